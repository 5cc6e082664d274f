// The post-mortem file: its name, stamped with the local date and time, and writing it.
#include "records/post_mortem.h"

#include <cstring>

#include "shell/command_line.h"
#include "toolkit/platform.h"
#include "toolkit/text_format.h"
#include "world/player.h"

namespace {

constexpr const char* kReportExtension = ".txt";
// Far more games than one person ends in a minute.
constexpr int32_t kMostReportsAMinute = 1000;

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

std::string PostMortemStamp(const std::tm& time) {
    const int month = time.tm_mon >= 0 && time.tm_mon < 12 ? time.tm_mon : 0;
    return FormatText(" (%d.%s.%d %s%d%s%d)", time.tm_mday, kMonthNames[month], time.tm_year + 1900,
                      time.tm_hour < 10 ? "0" : "", time.tm_hour, time.tm_min < 10 ? "0" : "", time.tm_min);
}

void PostMortemFileName(std::string& name, int32_t& firstPlay) {
    const std::string playerName(player.name, strnlen(player.name, sizeof player.name));
    const std::string stamp = PostMortemStamp(PlatformLocalTime());
    firstPlay = -1;
    if (IsNameMode()) {
        name = "Data/" + NamedCharacter() + "/" + playerName + "'s post-mortem" + stamp + kReportExtension;
        return;
    }
    if (PlatformMakeDirectory("Mortems") == 0) firstPlay = 0;
    name = "Mortems/" + playerName + "'s post-mortem" + stamp + kReportExtension;
}

void WritePostMortem(const std::string& endText, bool victory) {
    // The report clears what passes with the game from the player's fields;
    // the final screens that may follow show the character as it ended.
    const Player kept = player;
    const std::string text = PostMortemText(endText, victory);
    player = kept;
    std::string name;
    int32_t firstPlay = -1;
    PostMortemFileName(name, firstPlay);
    // A second report of the same name in the same minute takes a number
    // rather than the first one's place. A report that cannot be written is
    // not worth stopping the end of the game for.
    const std::string stem = name.substr(0, name.size() - std::strlen(kReportExtension));
    for (int32_t copy = 1; copy <= kMostReportsAMinute; ++copy) {
        const std::string numbered = copy == 1 ? name : stem + FormatText(" (%d)", copy) + kReportExtension;
        if (PlatformWriteNewFile(numbered, text.data(), text.size()) != NewFileResult::kNameTaken) return;
    }
}
