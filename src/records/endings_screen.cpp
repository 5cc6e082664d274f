#include "records/endings_screen.h"

#include <algorithm>
#include <cstdint>

#include "toolkit/drawing.h"

namespace {

struct StoryLine {
    int32_t row;
    const char* text;
};

constexpr StoryLine kBestEnding[] = {
    {2, "The surface people have already noticed the change of weather before you arrive."},
    {3, "The first thing you see after the last snowy step is a huge celebration party!"},
    {4, "Everything seems to be well here. The birds are singing, everyone is dancing and"},
    {5, "feasting for you. The priests take care of your wounds and wipe the sweat from"},
    {6, "your forehead. That was a long trip indeed. The party goes on for several days,"},
    {7, "but you aren't sure about the time, since you sleep for almost three days before"},
    {8, "finally waking up after the well deserved rest."},
    {10, "Life starts to go slowly on its normal course again. A couple of months after"},
    {11, "the party people stop telling you \"Well done, mate!\", but everyone still"},
    {12, "remembers your noble deeds and thinks of you as the saviour and hero of the time."},
    {14, "After many years, bards sing about you and you tell stories of your little trip"},
    {15, "to your grandchildren."},
    {17, "You die an almost normal death as a very old geezer, but your legend lives on."},
    {18, "After a couple of generations, your adventure is only a myth, but the wisest"},
    {19, "know that without you, they wouldn't exist."},
    {21, "Congratulations, you made it! I hope you enjoyed playing the game."},
    {22, "Now message me and tell me about your adventures and this victory! :)"},
};

constexpr StoryLine kSecondBestEnding[] = {
    {2, "The surface people have already noticed a change of weather before you arrive."},
    {3, "The first thing you see after the last snowy step is a huge celebration party!"},
    {4, "Everything seems to be okay here. The birds are returning and everyone is"},
    {5, "relieved: the certain doom has been averted. Your wounds are taken care of and a"},
    {6, "party is held in your honor. The feasting goes on for a few days before being"},
    {7, "abruptly stopped by a strong gust of cold air, coming from the Hollowmere. The wise"},
    {8, "men are set to investigate what this could mean, the demon was killed after all!"},
    {10, "A month of research into ancient writings reveals the terrible truth: the demon"},
    {11, "Uramesiel wasn't destroyed deep enough in the Hollowmere to properly seal him away"},
    {12, "from this world. He was merely forced into a long slumber, a problem for the"},
    {13, "next generation. There will be a moment of peace, but it won't last forever."},
    {15, "The summers don't feel like the ones of your childhood, but at least the winters"},
    {16, "are bearable now. You're torn by the choices you made in the dark Hollowmere: you"},
    {17, "had a chance to destroy the demon, but would you have been strong enough? On the"},
    {18, "other hand you saved all of your people from a certain doom, if only for a time."},
    {19, "Nobody blames you openly for the situation, but you'll never forgive yourself."},
    {21, "Congratulations, the second best ending! Perhaps next time it's the best ending?"},
    {22, "I hope you enjoyed the adventure. Do message me and tell me all about it! :)"},
};

constexpr size_t kScreenWidth = 80;

// Cuts the text at the last blank that leaves at most a screen's width before
// it: the words after it are handed on. A text without such a blank stays whole.
std::string HandOnWordsPastTheEdge(std::string& text) {
    if (text.size() <= kScreenWidth) return "";
    const size_t blank = text.rfind(' ', kScreenWidth);
    if (blank == std::string::npos) return "";
    std::string rest = text.substr(blank + 1);
    text.erase(blank);
    return rest;
}

template <size_t N>
std::vector<EndingLine> LayOut(const StoryLine (&story)[N]) {
    std::vector<EndingLine> shown;
    std::string carried;
    for (size_t i = 0; i < N; ++i) {
        std::string text = carried.empty() ? std::string(story[i].text) : carried + " " + story[i].text;
        carried = HandOnWordsPastTheEdge(text);
        // A paragraph starts on its own row, or below the one above it should that have grown into it.
        const int32_t row = shown.empty() ? story[i].row : std::max(story[i].row, shown.back().row + 1);
        shown.push_back({row, text});
        const bool paragraphEnds = i + 1 == N || story[i + 1].row != story[i].row + 1;
        while (paragraphEnds && !carried.empty()) {
            text = carried;
            carried = HandOnWordsPastTheEdge(text);
            shown.push_back({shown.back().row + 1, text});
        }
    }
    return shown;
}

}  // namespace

std::vector<EndingLine> EndingLines(bool best) { return best ? LayOut(kBestEnding) : LayOut(kSecondBestEnding); }

void DrawEndingScreen(bool best) {
    ClearScreen();
    DrawText("The End", 35, 0, kCyan);
    for (const EndingLine& line : EndingLines(best)) DrawText(line.text, 0, line.row, kLightCyan);
    DrawText("To exit, wait 10 seconds and press '5'.", 19, 24, kCyan);
    RefreshScreen();
}
