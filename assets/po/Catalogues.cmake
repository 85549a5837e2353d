# Each language's catalogue (assets/po/LANGUAGE.po), compiled by msgfmt into the build's
# share/locale/LANGUAGE/LC_MESSAGES/duelmark.mo, where the program finds it beside its own
# folder, and installed where gettext's catalogues go. Without msgfmt the program is built in
# English alone.
find_program(DUELMARK_MSGFMT msgfmt)
file(GLOB catalogue_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.po)
if(NOT DUELMARK_MSGFMT)
  message(STATUS "msgfmt is not installed: the program speaks English alone")
  set(catalogue_sources)
endif()
set(catalogues)
foreach(source IN LISTS catalogue_sources)
  get_filename_component(language ${source} NAME_WE)
  set(catalogue ${PROJECT_BINARY_DIR}/share/locale/${language}/LC_MESSAGES/duelmark.mo)
  add_custom_command(OUTPUT ${catalogue} COMMAND ${DUELMARK_MSGFMT} --check -o ${catalogue} ${source}
                     DEPENDS ${source} VERBATIM)
  list(APPEND catalogues ${catalogue})
  install(FILES ${catalogue} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${language}/LC_MESSAGES)
endforeach()
add_custom_target(duelmark_catalogues ALL DEPENDS ${catalogues})
