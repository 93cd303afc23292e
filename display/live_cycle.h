#ifndef KORVANE_DISPLAY_LIVE_CYCLE_H
#define KORVANE_DISPLAY_LIVE_CYCLE_H

// Pieces of the live cycle (SetupController::OnDisplayRefresh) that stand on their own.

#include <string>

namespace korvane {

// What a grid row shows in a column the call has no QSO for.
constexpr char kEmptyDetail[] = "   -";

// The band row of a frequency in Hz by its whole megahertz (1, 3, 7, 14, 21, 28), or -1.
int BandRowOfFrequency(double hz);

// Window titles in the session's language (Russian in code page 1251).
std::string CallTitle(int russianTexts, const std::string& startYear, const std::string& call);
std::string CountTitle(int russianTexts, const std::string& startYear, int worked,
                       const std::string& band);
std::string AreaTitle(int russianTexts, const std::string& band);

}  // namespace korvane

#endif  // KORVANE_DISPLAY_LIVE_CYCLE_H
