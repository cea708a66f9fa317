// The framework's whole public interface in one header, for programs that want it all.
#pragma once

// Component model
#include "framework/base/component.h"
#include "framework/base/event.h"
#include "framework/base/form_text.h"
#include "framework/base/object.h"
#include "framework/base/registry.h"
#include "framework/base/registry_check.h"
#include "framework/base/set.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/scope_guard.h"

// Run-time library
#include "framework/rtl/datetime.h"
#include "framework/rtl/dir_scan.h"
#include "framework/rtl/file_read.h"
#include "framework/rtl/files.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/random.h"
#include "framework/rtl/rounding.h"
#include "framework/rtl/safe_save.h"
#include "framework/rtl/streams.h"
#include "framework/rtl/strings.h"
#include "framework/rtl/textfile.h"
#include "framework/rtl/utf8.h"

// Graphics and images
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/draw_text.h"
#include "framework/graphics/frame3d.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/pen_brush_font.h"
#include "framework/graphics/pixels.h"
#include "framework/graphics/text_engine.h"
#include "framework/image/codecs.h"
#include "framework/image/resources.h"
#include "framework/rtl/colors.h"
#include "framework/rtl/types.h"

// Controls, the application and the backends
#include "framework/backend/headless/headless_backend.h"
#include "framework/backend/headless/test_host.h"
#include "framework/controls/application.h"
#include "framework/controls/backend.h"
#include "framework/controls/beep.h"
#include "framework/controls/clipboard.h"
#include "framework/controls/constraints.h"
#include "framework/controls/control.h"
#include "framework/controls/control_picture.h"
#include "framework/controls/customcontrol.h"
#include "framework/controls/drag.h"
#include "framework/controls/form.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/controls/input.h"
#include "framework/controls/messages.h"
#include "framework/controls/screen.h"
#include "framework/controls/scroll_bar.h"
#include "framework/controls/scroll_bar_tracker.h"
#include "framework/controls/scroll_style.h"
#include "framework/controls/timers.h"
#include "framework/controls/wincontrol.h"

// Standard and common controls
#include "framework/comctrls/control_edges.h"
#include "framework/comctrls/treeview.h"
#include "framework/grids/grids.h"
#include "framework/grids/inplace_edit.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/memo.h"
#include "framework/stdctrls/text_alignment.h"

// Dialogs and the design-time interfaces
#include "framework/design/package.h"
#include "framework/design/palette.h"
#include "framework/design/property_editor.h"
#include "framework/design/property_editor_registry.h"
#include "framework/dialogs/file_filter.h"
#include "framework/dialogs/open_dialog.h"

#ifdef PANEKIT_HAVE_SDL
#include "framework/backend/sdl/sdl_backend.h"
#endif
