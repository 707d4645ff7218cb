// What the native Windows platform's tests share: screen captures checked by
// their pixels and saved as PNG, and a hand that answers message boxes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace veltrane::platform::test {

// 32-bit pixels, 0x00RRGGBB, row by row from the top.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  // A part of the capture (clipped to it).
  Capture Part(int left, int top, int width, int height) const;
};

// What the screen shows in a rectangle of screen coordinates.
Capture CaptureScreen(const RECT& area);

// Writes the capture as an RGB PNG; false when the file cannot be written.
bool SavePng(const Capture& capture, const std::string& path);

// Pixels within tolerance (per channel) of an 0x00RRGGBB colour.
int CountPixels(const Capture& capture, std::uint32_t rgb, int tolerance = 40);
// The bounding box of those pixels; empty (right <= left) when there are none.
RECT PixelBounds(const Capture& capture, std::uint32_t rgb, int tolerance = 40);

// A message box as the answerer found it.
struct SeenMessageBox {
  std::wstring title;
  std::wstring text;
};

// While alive, presses `answer` (IDOK, IDYES, ...) in every message box this
// thread opens, recording each box first. Works from a timer, so it answers
// boxes whose modal loop the thread is in.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(int answer = IDOK);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  const std::vector<SeenMessageBox>& seen() const { return seen_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void AnswerOpenBoxes();

  int answer_;
  UINT_PTR timer_ = 0;
  std::vector<SeenMessageBox> seen_;
  std::vector<HWND> answered_;
};

// Delivers this thread's pending messages for about `ms` milliseconds.
void PumpMessages(int ms);

}  // namespace veltrane::platform::test
