#include "engine/tally.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/journal.h"

namespace korvane {
namespace {

std::string PadBand(const std::string& band) {
  return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

bool Contains(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

struct AreaCountry {
  const char* label;
  int CInfo::*area;
  BandLists ContestTables::*worked;
  int BandTally::*counter;
};

// The first country whose area field is set takes the call-area multiplier.
constexpr AreaCountry kAreaCountries[] = {
    {"JA", &CInfo::m_areaJA, &ContestTables::workedAreasJA, &BandTally::ja},
    {"K", &CInfo::m_areaK, &ContestTables::workedAreasK, &BandTally::k},
    {"VE", &CInfo::m_areaVE, &ContestTables::workedAreasVE, &BandTally::ve},
    {"VK", &CInfo::m_areaVK, &ContestTables::workedAreasVK, &BandTally::vk},
};

}  // namespace

int QsoPoints(const CInfo& record, const std::string& ownPrefix, const std::string& ownContinent) {
  const bool dl = record.m_prefix == "DL";
  if (record.m_prefix == ownPrefix) return dl ? 8 : 5;
  if (record.m_continent == ownContinent) return dl ? 13 : 10;
  return dl ? 20 : 15;
}

double WholeMinutesBetween(double time, double reference) {
  double days = reference - time;
  days += days >= 0 ? 0.5 / 86400.0 : -0.5 / 86400.0;
  return std::trunc(days * 1440.0);
}

void SortBandsLowestFirst(std::vector<std::string>& bands) {
  for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
    for (std::size_t j = i + 1; j < bands.size(); ++j) {
      if (PadBand(bands[i]) < PadBand(bands[j])) std::swap(bands[i], bands[j]);
    }
  }
}

ScoreTally TallyScore(ContestTables& tables, const std::vector<std::string>* journalLines) {
  ScoreTally tally;
  tables.badQsoCount = journalLines != nullptr ? CountBadQsoLines(*journalLines) : 0;
  tally.badQsos = tables.badQsoCount;

  SortBandsLowestFirst(tables.seenBands);

  const std::vector<CInfo>& log = tables.qsoLog;
  const bool rates = tables.cabrilloExport == 0;
  // One record is later than the reference 0.0, so it falls in both windows.
  const double reference = (rates && log.size() >= 2) ? log.back().m_time.value : 0.0;
  // An empty log has no last band; "30m" matches none.
  const std::string lastBand = log.empty() ? std::string("30m") : log.back().m_band;

  // "20m" and "20M" share a slot: its lists are emptied once and hold what both names worked.
  bool slotRebuilt[kBandSlots] = {};

  for (const std::string& band : tables.seenBands) {
    BandTally row;
    row.band = band;
    // Every stored band is a contest band in some letter case.
    int slot = BandSlotExact(band);
    if (slot < 0) slot = BandSlotAnyCase(band);
    const bool merging = slot >= 0 && slotRebuilt[slot];
    const auto addToSlot = [merging](std::vector<std::string>& list, const std::string& text) {
      if (!merging || !Contains(list, text)) list.push_back(text);
    };
    if (slot >= 0 && !merging) {
      slotRebuilt[slot] = true;
      tables.workedMults[slot].clear();
      for (const AreaCountry& country : kAreaCountries) (tables.*country.worked)[slot].clear();
    }
    std::vector<std::string> prefixes;
    std::vector<std::string> digits[4];

    for (const CInfo& record : log) {
      if (record.m_band != band || record.m_call.empty()) continue;
      tally.dupes += record.m_dupe;
      if (record.m_notCounted != 0) continue;
      ++row.qsos;
      if (record.m_prefix == "DL") ++row.dlQsos;
      if (record.m_prefix == tables.ownPrefix) {
        ++row.sameEntity;
      } else if (record.m_continent == tables.ownContinent) {
        ++row.sameContinent;
      } else {
        ++row.otherContinent;
      }
      const int points = QsoPoints(record, tables.ownPrefix, tables.ownContinent);
      if (record.m_band == lastBand) tally.lastQsoPoints = points;
      if (rates) {
        const double minutes = WholeMinutesBetween(record.m_time.value, reference);
        if (minutes < 60) {
          ++tally.qsos60;
          tally.points60 += points;
        }
        if (minutes < 10) {
          ++tally.qsos10;
          tally.points10 += points;
        }
      }
      if (!Contains(prefixes, record.m_prefix)) {
        prefixes.push_back(record.m_prefix);
        if (slot >= 0) addToSlot(tables.workedMults[slot], record.m_prefix);
        ++row.dxcc;
      }
      for (int c = 0; c < 4; ++c) {
        const AreaCountry& country = kAreaCountries[c];
        const int area = record.*country.area;
        if (area == -1) continue;
        const std::string digit = std::to_string(area);
        if (!Contains(digits[c], digit)) {
          digits[c].push_back(digit);
          const std::string label = std::string(country.label) + digit;
          if (slot >= 0) {
            addToSlot(tables.workedMults[slot], label);
            addToSlot((tables.*country.worked)[slot], label);
          }
          ++(row.*country.counter);
        }
        break;
      }
    }

    const int categories = row.sameEntity + 2 * row.sameContinent + 3 * row.otherContinent;
    row.points = tables.ownContinent == "EU" ? 5 * categories + 3 * row.dlQsos
                                              : 5 * (categories + row.dlQsos);
    tally.total.qsos += row.qsos;
    tally.total.points += row.points;
    tally.total.dxcc += row.dxcc;
    tally.total.k += row.k;
    tally.total.ja += row.ja;
    tally.total.ve += row.ve;
    tally.total.vk += row.vk;
    tally.rows.push_back(row);
  }

  const std::int64_t multipliers = static_cast<std::int64_t>(tally.total.dxcc) + tally.total.k +
                                   tally.total.ja + tally.total.ve + tally.total.vk;
  tally.score = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(static_cast<std::int64_t>(tally.total.points) * multipliers));
  return tally;
}

}  // namespace korvane
