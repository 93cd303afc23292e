#ifndef KORVANE_DISPLAY_HOST_LINK_H
#define KORVANE_DISPLAY_HOST_LINK_H

// The link to the host's automation object ("Telk2.Application"). The host serves these calls on
// its own thread, which may be waiting for the contest's lock: never call them while holding it.

#include <string>

namespace korvane {

// Commands the Setup window sends once, right after attaching, in this order.
constexpr char kModeCommand[] = "<MODE:RTTY>";
constexpr char kBaudCommand[] = "<BAUDRATE:45.45>";
// Sent by the live cycle whenever the frequency has moved by more than 300 Hz.
constexpr char kSp1Command[] = "<SP1>";
// The selector of GetEntryText that yields the call being typed.
constexpr int kEntryCallSelector = 5;

class HostLink {
 public:
  virtual ~HostLink() = default;
  // Takes the host's running object; false leaves the link empty until the next attach.
  virtual bool Attach() = 0;
  // False when no object was attached.
  virtual bool Attached() const = 0;
  // Each call returns false when the automation call failed (or the link is empty); the outputs
  // are then unchanged.
  virtual bool GetEntryText(int selector, std::string* text) = 0;
  virtual bool Frequency(double* hz) = 0;
  virtual bool SendCommand(const std::string& command) = 0;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_HOST_LINK_H
