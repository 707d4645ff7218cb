// The form runtime's services to the program: start-up from the window
// template, loading a window, the message loop, property reads and writes by
// (WindowId, ControlId, PropertyIndex), and event dispatch to the program's
// handlers. Every failure is fatal (message box, exit code -1).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/memory.h"
#include "form/controls/event_numbers.h"
#include "form/controls/property_index.h"
#include "platform/platform.h"

namespace veltrane::runtime {

using WindowId = std::uint32_t;
using ControlId = std::uint32_t;  // a unit's UnitId; the window itself is kWindowUnitId
// A handler of the program; it carries what it works on (the program hands its
// state to its handlers when it binds them).
using HandlerFn = std::function<void()>;

// --- Start-up and the run ------------------------------------------------------

// Reads the template stream and resolves every HandlerRef through `handlers`
// (-1 = none; a null entry = none); connects to CurrentPlatform(). A stream
// that cannot be read, or a HandlerRef outside the table, is fatal
// "载入窗口模板数据段出错!".
void InitRuntime(std::span<const std::uint8_t> template_stream,
                 std::span<const HandlerFn> handlers);

// Creates the window and its controls and raises its events 0, 3 and 4; fatal
// "载入启动窗口失败" when the window is not in the template or anything
// cannot be created. A window already loaded is only shown and focused.
void LoadWindow(WindowId window);

// Runs the platform's message loop while a loaded window exists; returns once
// the last loaded window is closed. The program's entry then calls
// ExitProgram(0), which runs the exit routines.
void RunMessageLoop();

// True while the window has its live platform window.
bool IsWindowLoaded(WindowId window);

// --- Properties ------------------------------------------------------------------
// Unknown WindowId: fatal "未载入欲访问窗口组件所在的窗口". ControlId not in the
// window: fatal, naming the id. Type-specific property (8 up) of a control
// without a live window: fatal "指定窗口尚未载入". An index the type lacks
// reads 0 and writes nothing.

// The value as a 64-bit word. Integers, enumerations and colours in the low
// word; booleans 0/1; texts and byte blocks a new heap block (the caller frees
// it with FreeMemory); fonts by sub_index (see FontRecord).
std::uint64_t ReadProperty(WindowId window, ControlId control, PropertyIndex property,
                           std::int32_t sub_index = -1);
// Positions clamp to ±32627 and sizes to 0..32627; a text is a pointer to a
// zero-terminated GBK text (null = empty); a byte block a pointer to a heap
// byte block (word 1, length, bytes).
void WriteProperty(WindowId window, ControlId control, PropertyIndex property,
                   std::int32_t sub_index, std::uint32_t lo, std::uint32_t hi);

// Typed forms of the two services for the program's code.
HeapText ReadText(WindowId window, ControlId control, PropertyIndex property);
std::int32_t ReadInt(WindowId window, ControlId control, PropertyIndex property);
void WriteText(WindowId window, ControlId control, PropertyIndex property, const char* gbk);
void WriteInt(WindowId window, ControlId control, PropertyIndex property, std::int32_t value);

// Item `index` (0-based) of a combo box; nullopt when the window is not
// loaded, the control is missing or no combo box, or the item does not exist.
std::optional<std::string> ComboItemText(WindowId window, ControlId control, int index);

// The control's platform handle; 0 when it has no live window or is missing.
platform::Handle NativeHandleOf(WindowId window, ControlId control);

// A pointer as it crosses the property services: in a 64-bit build it fills both words.
inline std::uint64_t WordsFromPointer(const void* p) {
  return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p));
}
inline void* PointerFromWords(std::uint32_t lo, std::uint32_t hi) {
  const std::uint64_t v = static_cast<std::uint64_t>(hi) << 32 | lo;
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the property services pass pointers as two words.
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(v));
}

// A font property read or written whole (sub_index -1); parts 0 to 6 are the
// fields in this order. A read returns one heap block holding the record and
// its face name (face points inside the same block). Point sizes are at 96 dpi.
struct FontRecord {
  std::int32_t angle;  // tenths of a degree, 0..3599
  std::int32_t bold;   // weight >= 700
  std::int32_t italic;
  std::int32_t strike_out;
  std::int32_t underline;
  std::int32_t point_size;
  const char* face;  // GBK; null or over 31 bytes = the default face
};

// --- Events ------------------------------------------------------------------

// The unit whose event the running handler answers.
struct EventSource {
  WindowId window = 0;
  ControlId unit = 0;
  EventNumber event = 0;
  std::int32_t argument = 0;  // the spin event's +1 or -1
};
// Set while a handler runs (the innermost one when events nest).
std::optional<EventSource> CurrentEventSource();

// Raises event `event` of a unit: checks the window ("未找到引发事件的窗口"),
// the unit ("未找到引发事件的窗口组件") and its type ("引发事件的窗口组件无效"),
// follows the event-sharing chain and calls the handler, if any. Nothing
// happens while a fatal report runs or dispatch is suspended.
void RaiseEvent(WindowId window, ControlId unit, EventNumber event, std::int32_t argument = 0);

// --- Context menu ------------------------------------------------------------

// One entry of a window's context menu: a button of the window, shown with
// its caption, and its shortcut with Ctrl ('0'..'9' or 'A'..'Z'; 0 = none).
struct MenuItem {
  ControlId button = 0;
  char ctrl_key = 0;
};

// Gives the window a context menu whose entries raise their buttons' click
// events, kept across loads; a button not in the window is fatal, naming it.
void SetContextMenu(WindowId window, std::vector<MenuItem> items);

// --- Tests -----------------------------------------------------------------------

// Destroys every live window and forgets the template and handlers, so a test
// can start over in the same process.
void ShutdownRuntimeForTests();

}  // namespace veltrane::runtime
