// The page's input, handed over by Page.js to the active host.
#include <emscripten.h>

#include "WebHost.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_clicked(int elementId) {
  if (auto* host = rt::web::WebHost::Active()) host->Clicked(elementId);
}

EMSCRIPTEN_KEEPALIVE void web_enter(int elementId) {
  if (auto* host = rt::web::WebHost::Active()) host->EnterPressed(elementId);
}

EMSCRIPTEN_KEEPALIVE void web_edited(int elementId, const char* text) {
  if (auto* host = rt::web::WebHost::Active()) host->Edited(elementId, text);
}

EMSCRIPTEN_KEEPALIVE void web_focused(int elementId) {
  if (auto* host = rt::web::WebHost::Active()) host->Focused(elementId);
}

EMSCRIPTEN_KEEPALIVE int web_escape(int panelId) {
  auto* host = rt::web::WebHost::Active();
  return host && host->EscapePressed(panelId) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_message_closed() {
  if (auto* host = rt::web::WebHost::Active()) host->MessageClosed();
}

EMSCRIPTEN_KEEPALIVE void web_tick() {
  if (auto* host = rt::web::WebHost::Active()) host->Tick();
}
}
