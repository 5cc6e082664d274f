// The post-mortem file: its name, stamped with the local date and time, and writing it.
#include "records/post_mortem.h"

#include <cstring>

#include "player/player.h"
#include "shell/command_line.h"
#include "shell/platform.h"
#include "shell/text_format.h"

namespace {

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
        name = "Data/" + NamedCharacter() + "/" + playerName + "'s post-mortem" + stamp + ".txt";
        return;
    }
    if (PlatformMakeDirectory("Mortems") == 0) firstPlay = 0;
    name = "Mortems/" + playerName + "'s post-mortem" + stamp + ".txt";
}

void WritePostMortem(const std::string& endText, bool victory) {
    const std::string text = PostMortemText(endText, victory);
    std::string name;
    int32_t firstPlay = -1;
    PostMortemFileName(name, firstPlay);
    // A report that cannot be written is not worth stopping the end of the game for.
    PlatformWriteFileAtomically(name, text.data(), text.size());
}
