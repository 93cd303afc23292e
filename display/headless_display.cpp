#include "display/headless_display.h"

#include <map>
#include <mutex>

#include "display/grid_painter.h"
#include "display/recording_canvas.h"
#include "engine/format.h"

namespace korvane {
namespace {

std::array<Indicator*, kCallAreaCount> Pointers(std::array<CountingIndicator, kCallAreaCount>& all) {
  std::array<Indicator*, kCallAreaCount> pointers{};
  for (int i = 0; i < kCallAreaCount; ++i) pointers[i] = &all[i];
  return pointers;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

PlainCallAreaWindow::PlainCallAreaWindow(bool topmost)
    : onTop(topmost), marks_(Pointers(indicators)) {
  for (CountingIndicator& indicator : indicators) {
    BindCallAreaIndicator(indicator);
    indicator.redraws = 0;
  }
}

std::unique_ptr<GridWindow> PlainWindowFactory::OpenGrid(bool onTop) {
  ++opened;
  return std::make_unique<PlainGridWindow>(onTop);
}

std::unique_ptr<ChecklistWindow> PlainWindowFactory::OpenChecklists(bool onTop) {
  ++opened;
  return std::make_unique<PlainChecklistWindow>(onTop);
}

std::unique_ptr<CallAreaWindow> PlainWindowFactory::OpenCallArea(bool onTop) {
  ++opened;
  return std::make_unique<PlainCallAreaWindow>(onTop);
}

bool ScriptedHostLink::GetEntryText(int selector, std::string* text) {
  if (!attached || failing || selector != kEntryCallSelector) return false;
  *text = call;
  return true;
}

bool ScriptedHostLink::Frequency(double* hz) {
  if (!attached || failing) return false;
  *hz = frequencyHz;
  return true;
}

bool ScriptedHostLink::SendCommand(const std::string& command) {
  if (!attached || failing) return false;
  commands.push_back(command);
  return true;
}

HeadlessDisplay::HeadlessDisplay(Contest& contest, DisplayState& state, Settings& settings,
                                 CycleMemory& memory)
    : contest_(contest), state_(state), settings_(settings), memory_(memory) {}

HeadlessDisplay::~HeadlessDisplay() { Stop(); }

bool HeadlessDisplay::Start() {
  if (setup_ != nullptr) return false;
  view_ = std::make_unique<PlainSetupView>(&queue_);
  DisplayServices services;
  services.contest = &contest_;
  services.state = &state_;
  services.settings = &settings_;
  services.link = &host_;
  services.factory = &factory_;
  services.view = view_.get();
  services.memory = &memory_;
  setup_ = std::make_unique<SetupController>(services);
  state_.SetPoster(this);
  state_.setupAlive.store(true);
  setup_->Initialize();
  return true;
}

bool HeadlessDisplay::Stop() {
  if (setup_ == nullptr) return false;
  setup_->CloseWindows();
  state_.setupAlive.store(false);
  state_.SetPoster(nullptr);
  setup_.reset();
  view_.reset();
  host_.attached = false;
  queue_.store(0);
  return true;
}

int HeadlessDisplay::Pump() {
  int ran = 0;
  while (setup_ != nullptr && queue_.load() > 0) {
    --queue_;
    setup_->OnDisplayRefresh();
    ++ran;
  }
  return ran;
}

namespace {
// The grid control of a worked-bands window at its template size, in pixels.
constexpr Rect kHeadlessGridItem{0, 0, 400, 205};

std::string PaintedRows(const RecordingCanvas& canvas) {
  Rect highlight;
  std::map<int, std::string> rows;  // by height on the grid
  for (const CanvasCommand& command : canvas.Commands()) {
    if (command.kind == CanvasCommand::Kind::kFillRect && command.color == kBandHighlight) {
      highlight = command.rect;
    }
    if (command.kind != CanvasCommand::Kind::kTextAt) continue;
    std::string& row = rows[command.y];
    row += (row.empty() ? "" : " | ") + command.text;
  }
  std::string out;
  for (const auto& [y, row] : rows) {
    out += (y >= highlight.top && y < highlight.bottom ? " >" : "  ") + row + "\n";
  }
  return out.empty() ? "  background only\n" : out;
}
}  // namespace

std::string HeadlessDisplay::Print() {
  if (setup_ == nullptr) return "display not running\n";
  const SetupStates& boxes = view_->boxes;
  std::string out = Format("setup \"%s\": DXCC %d, Ext DXCC %d, Call Area %d, on top %d\n",
                           view_->texts.title.c_str(), boxes.dxcc, boxes.extDxcc, boxes.callArea,
                           boxes.onTop);
  const int band = state_.currentBand.load();
  const std::string bandName = band >= 0 && band < kBandSlots ? kSlotBands[band] : "none";
  AppendFormat(out, "call \"%s\", band %s\n", state_.currentCall.c_str(), bandName.c_str());

  if (auto* grid = static_cast<PlainGridWindow*>(setup_->Grid())) {
    AppendFormat(out, "grid \"%s\"\n", grid->title.c_str());
    // What the grid paints, one line per painted row, the tuned band's row marked with ">".
    // Painting list mode sorts the band's list in place, as the window does.
    RecordingCanvas canvas;
    {
      std::lock_guard<std::mutex> hold(contest_.Mutex());
      ContestTables& tables = contest_.Tables();
      PaintGrid(canvas, kHeadlessGridItem, state_.currentCall, band, tables.callInfoRows,
                tables.workedMults);
    }
    out += PaintedRows(canvas);
  }

  if (auto* areas = static_cast<PlainCallAreaWindow*>(setup_->CallArea())) {
    AppendFormat(out, "areas \"%s\"\n", areas->title.c_str());
    for (int country = 0; country < kAreaCountries; ++country) {
      std::string line = Format("  %-2s", kAreaCountryPrefixes[country]);
      for (int slot = 0; slot < 10; ++slot) {
        const int index = country * 10 + slot;
        line += ' ';
        line += areas->Marks().Flag(index) != 0 ? CallAreaKey(index).back() : '.';
      }
      out += line + "\n";
    }
  }

  if (auto* lists = static_cast<PlainChecklistWindow*>(setup_->Checklists())) {
    AppendFormat(out, "checklists \"%s\"\n", lists->title.c_str());
    const auto& pages = ChecklistPages();
    for (int p = 0; p < kChecklistPageCount; ++p) {
      std::string line = "  " + pages[p].continent + ":";
      bool any = false;
      for (size_t b = 0; b < pages[p].boxes.size(); ++b) {
        if (lists->boxes[p][b] != 1) continue;
        line += " " + Trimmed(pages[p].boxes[b].caption);
        any = true;
      }
      if (!any) line += " -";
      out += line + "\n";
    }
  }
  return out;
}

}  // namespace korvane
