// The window and the clipboard hand themselves to the page's script, which calls their bound
// methods back (bindings.cpp). Embind passes a raw pointer only where it is told that this is
// safe: these objects live as long as the page, and the script never deletes them.
#pragma once

#include <emscripten/val.h>

namespace wyc::ui::web {
class BrowserClipboard;
class PageWindow;
}  // namespace wyc::ui::web

namespace emscripten::internal {
template <>
struct TypeID<wyc::ui::web::PageWindow*> : TypeID<AllowedRawPointer<wyc::ui::web::PageWindow>> {};
template <>
struct TypeID<wyc::ui::web::BrowserClipboard*>
    : TypeID<AllowedRawPointer<wyc::ui::web::BrowserClipboard>> {};
}  // namespace emscripten::internal
