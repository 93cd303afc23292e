#ifndef KORVANE_ENGINE_TALLY_H
#define KORVANE_ENGINE_TALLY_H

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contest.h"

namespace korvane {

struct BandTally {
  std::string band;
  int qsos = 0;
  std::int32_t points = 0;
  int dxcc = 0;
  int k = 0;
  int ja = 0;
  int ve = 0;
  int vk = 0;
  int sameEntity = 0;
  int sameContinent = 0;
  int otherContinent = 0;
  int dlQsos = 0;
};

struct ScoreTally {
  std::vector<BandTally> rows;
  BandTally total;
  int dupes = 0;
  int badQsos = 0;
  std::int32_t score = 0;
  int qsos60 = 0;
  int points60 = 0;
  int qsos10 = 0;
  int points10 = 0;
  int lastQsoPoints = 0;
};

// Points of one record: 5 own entity, 10 own continent, 15 otherwise; more for "DL".
int QsoPoints(const CInfo& record, const std::string& ownPrefix, const std::string& ownContinent);

// Recounts everything from the log: sorts `seenBands`, rebuilds the worked lists of every band
// in it and sets `badQsoCount` from the journal lines (`journalLines` null: no journal).
ScoreTally TallyScore(ContestTables& tables, const std::vector<std::string>* journalLines);

// Whole minutes from `time` to `reference`, rounded to the second; may be negative.
double WholeMinutesBetween(double time, double reference);

// Descending by the name left-padded with "0" to 20 characters: 160m, 80m, ... 10m.
void SortBandsLowestFirst(std::vector<std::string>& bands);

}  // namespace korvane

#endif  // KORVANE_ENGINE_TALLY_H
