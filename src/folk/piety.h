#pragma once
// The Goddess's measures: how much piety a prayer needs here, how close a
// sacrifice brings the character to Her, and the piety shown as a percentage.
#include <cstdint>
#include <string>

// The piety a heard prayer needs and costs, per prayer tier.
constexpr int32_t kPietyPerTier = 220;

enum class TouchBand { kNone, kAlmost, kLight, kFirm };

// The band of the piety after a gift, at that tier.
TouchBand TouchBandOf(int32_t piety, int32_t tier);
// piety x 100 / requirement, the fraction dropped.
int32_t PietyPercent(int32_t piety, int32_t tier);
// Piety gained, never past what the counter holds.
void GainPiety(int64_t amount);
// After a gift: the touch of the band (if any) and "(Piety n%)", into the log.
void ReportGift(int32_t tier);
