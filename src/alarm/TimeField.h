#pragma once

#include <QString>
#include <optional>

// An hour or minute box's text read as a whole number from 0 to `highest`. Digits with
// one leading sign and surrounding blanks read as a number; a "." never does.
std::optional<int> timeFieldValue(const QString& text, int highest);

constexpr int HighestHour = 23;
constexpr int HighestMinute = 59;

// An accepted entry of one character gets a leading zero ("7" becomes "07").
QString paddedTimeField(const QString& text);
