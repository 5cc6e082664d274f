// The player's manual (data/Manual.txt, copied beside the program) against the
// game: every word the status panel can show must be explained in it.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/status_panel.h"
#include "support/screen_test.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

const std::string kManualSource = std::string(HOLLOWMERE_SOURCE_DIR) + "/data/Manual.txt";
const std::string kManualBesideProgram = std::string(HOLLOWMERE_PLAY_DIR) + "/Manual.txt";

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A chapter heading: its number, a full stop, and a title in capitals.
bool IsHeading(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
    if (i == 0 || line.compare(i, 2, ". ") != 0) return false;
    return std::none_of(line.begin(), line.end(), [](char c) { return std::islower(static_cast<unsigned char>(c)); });
}

// The words the status panel's chapter explains: its entries are the lines
// that start with two blanks and the word, followed by the explanation.
std::set<std::string> ExplainedPanelWords(const std::vector<std::string>& lines) {
    std::set<std::string> words;
    bool inChapter = false;
    for (const std::string& line : lines) {
        if (IsHeading(line)) {
            inChapter = line.find("THE STATUS PANEL") != std::string::npos;
            continue;
        }
        if (!inChapter || line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
        words.insert(line.substr(2, line.find(' ', 2) - 2));
    }
    return words;
}

TEST(Manual, ExplainsEveryWordTheStatusPanelCanShow) {
    const std::set<std::string> explained = ExplainedPanelWords(Lines(ReadWhole(kManualSource)));
    const std::vector<std::string> shown = StatusPanelWords();
    ASSERT_GT(shown.size(), 30u);
    for (const std::string& word : shown) {
        EXPECT_EQ(explained.count(word), 1u) << "the manual's status panel chapter does not explain \"" << word << '"';
    }
}

TEST(Manual, IsPlainTextWithinTheScreenAndLiesBesideTheProgram) {
    const std::string manual = ReadWhole(kManualSource);
    ASSERT_FALSE(manual.empty()) << kManualSource;
    int lineNumber = 0;
    for (const std::string& line : Lines(manual)) {
        ++lineNumber;
        EXPECT_LE(line.size(), 79u) << "line " << lineNumber;
        EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return c >= 32 && c <= 126; }))
            << "line " << lineNumber;
    }
    EXPECT_EQ(ReadWhole(kManualBesideProgram), manual);
}

// The accessor must hold whatever the panel draws, or the check above would
// miss a word: the panel is drawn in a few busy states, and every word on its
// rows must be among the words the accessor gives.
class ManualPanelWords : public ScreenTest {};

TEST_F(ManualPanelWords, EveryWordDrawnIsAmongThePanelsWords) {
    const std::vector<std::string> words = StatusPanelWords();
    const auto expectKnown = [&](const std::string& state) {
        DrawStatusPanel();
        for (int row : {23, 24}) {
            std::string text = Row(row);
            std::replace_if(text.begin(), text.end(), [](char c) { return c == ':' || c == '/' || c == '%'; }, ' ');
            std::istringstream in(text);
            for (std::string word; in >> word;) {
                if (std::all_of(word.begin(), word.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
                    continue;
                }
                EXPECT_NE(std::find(words.begin(), words.end(), word), words.end()) << word << " in " << state;
            }
        }
    };
    expectKnown("a fresh character");

    itemKinds[3].subtype = kSubtypeRanged;
    player.inventory = {ItemData{}};
    player.inventory[0].kind = 3;
    player.equipSlots[kSlotMainWeapon] = 0;
    player.paralysis = player.sleep = player.dizziness = player.sickness = player.fever = player.bleeding = 1;
    expectKnown("the first ailments, a bow in hand");

    player.paralysis = player.sleep = player.dizziness = player.sickness = player.fever = player.bleeding = 0;
    player.poison = player.immobility = player.horror = player.clumsiness = player.slowness = player.frostbite = 1;
    player.berserkBoon = kBoonMaskWaiting;
    expectKnown("the later ailments");

    player.poison = player.immobility = player.horror = player.clumsiness = player.slowness = player.frostbite = 0;
    player.berserkBoon = kBoonStronger;
    player.speedBoost = player.stoneSkinTurns = 1;
    player.burdened = 1;
    player.strengthBoost = 2;
    player.bodyTemperature = -5;
    player.fightingStyle = 5;
    expectKnown("berserking, boosted and freezing");

    for (int32_t style = 1; style <= 4; ++style) {
        player.fightingStyle = style;
        player.bodyTemperature = 2000 * style;
        expectKnown("style " + std::to_string(style));
    }
    player.bodyTemperature = 10001;
    expectKnown("boiling");
}

}  // namespace
