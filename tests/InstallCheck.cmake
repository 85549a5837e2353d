# Stages `cmake --install` of the build in a temporary DESTDIR and checks that the tree holds
# what a desktop needs, each file valid. Run by ctest with BUILD_DIR, APP_ID and ICON_SIZES.
set(stage ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${stage} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(share ${stage}/usr/share)
set(desktop ${share}/applications/${APP_ID}.desktop)
set(metainfo ${share}/metainfo/${APP_ID}.metainfo.xml)
foreach(path ${stage}/usr/bin/duelmark ${desktop} ${metainfo} ${share}/man/man6/duelmark.6.gz
             ${share}/man/de/man6/duelmark.6.gz ${share}/man/fr/man6/duelmark.6.gz
             ${share}/doc/duelmark/copyright)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "missing from the installed tree: ${path}")
  endif()
endforeach()

# The desktop entry and the AppStream data speak German and French too.
foreach(language de fr)
  file(STRINGS ${desktop} comment REGEX "^Comment\\[${language}\\]=.")
  file(STRINGS ${metainfo} summary REGEX "<summary xml:lang=\"${language}\">.")
  if(NOT comment OR NOT summary)
    message(FATAL_ERROR "the desktop entry or the AppStream data has no texts in ${language}")
  endif()
endforeach()

# A PNG's width and height are the two 32-bit numbers at byte 16.
foreach(size IN LISTS ICON_SIZES)
  set(icon ${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "missing from the installed tree: ${icon}")
  endif()
  file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${header} 0 8 width)
  string(SUBSTRING ${header} 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${icon} is ${width}x${height} pixels, not ${size}x${size}")
  endif()
endforeach()

# No tests or benchmarks among the installed files.
file(GLOB_RECURSE installed RELATIVE ${stage} ${stage}/*)
list(FILTER installed INCLUDE REGEX "test|bench")
if(installed)
  message(FATAL_ERROR "test files were installed: ${installed}")
endif()

execute_process(COMMAND desktop-file-validate ${desktop} RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(failed OR said)
  message(FATAL_ERROR "desktop-file-validate: ${said}")
endif()
execute_process(COMMAND appstreamcli validate --no-net ${metainfo} RESULT_VARIABLE failed OUTPUT_VARIABLE said
                ERROR_VARIABLE said)
if(failed)
  message(FATAL_ERROR "appstreamcli validate: ${said}")
endif()
file(REMOVE_RECURSE ${stage})
