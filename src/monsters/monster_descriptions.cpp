#include "monsters/monster_descriptions.h"

#include <string_view>

#include "world/monster.h"

std::vector<MonsKuvaus> monsterDescriptions;

namespace {

struct DescriptionRow {
    const char* name;
    const char* description;
};

// The ordinary kinds in rising order of danger, then the five unique demons
// from lieutenant to general.
constexpr DescriptionRow kDescriptionRows[] = {
    {"rat",
     "This rodent, although surprisingly aggressive, looks like the most ordinary being here."},
    {"bat",
     "A leathery flutter in the dark, this bat has learned to hang from icicles instead of rafters. It "
     "bites whatever is warm, and down here that mostly means you."},
    {"arctic chameleon",
     "A lizard that has traded its greens and browns for every shade of white and grey. It sits so still "
     "against the frost that you may step on it before you see it, and it will not take that kindly."},
    {"winter ant",
     "An ant the size of a small dog, its pale shell rimed with hoarfrost. It carries frozen morsels to a "
     "nest somewhere below and has clearly decided that you are the next one."},
    {"spear-horn deer",
     "A lean deer with a single straight horn jutting from its brow like a hunter's spear. It grazes on "
     "lichen between the ice floes and lowers its head at anything that comes too close."},
    {"frost crab",
     "A crab with a bluish white shell crusted with ice crystals that clink as it scuttles sideways. Its "
     "claws are small, but it makes up for that with sheer stubbornness."},
    {"carrion vulture",
     "A bald, hunched bird that follows adventurers through the Hollowmere in the quiet confidence that "
     "sooner or later one of them will stop moving. It seems impatient to help you along."},
    {"blood pixie",
     "A tiny winged figure with crimson skin and a needle-thin grin. It looks almost charming until it "
     "opens a cut on you and laps at it with great delight."},
    {"mud monster",
     "A sloppy heap of half-frozen mud that has somehow got the idea of being alive. It squelches after "
     "you, leaves a dirty trail and smells like a cellar that flooded long ago."},
    {"unknown larva",
     "A pale, segmented grub as long as your arm. Nobody knows what it grows into, and judging by its "
     "mandibles, nobody has lived long enough to find out."},
    {"goblin duelist",
     "A wiry goblin in a patched cloak, saluting with a notched rapier. It came to the Hollowmere to make "
     "a name for itself and keeps to fencing etiquette right up until it stabs you in the back."},
    {"kobold archer",
     "A small, scaly kobold with a short bow and a quiver of crooked arrows. It keeps its distance and "
     "yaps insults between shots, most of them about your height."},
    {"twisted cat",
     "Something that was once a cat, now bent at odd angles, with a spine that curves the wrong way and "
     "eyes that never blink together. It still purrs, which is somehow the worst part."},
    {"toxic snake",
     "A slender snake with sickly green scales and a faint bitter smell. The cold makes it sluggish, but "
     "its bite carries more than enough venom to make up for it."},
    {"war raven",
     "A large black raven in a tiny iron helmet, trained for battle by someone with a sense of humour. "
     "Its beak has been sharpened, and its caws sound a lot like orders."},
    {"blink worm",
     "A fat, glistening worm that vanishes with a soft pop and turns up somewhere else entirely. You never "
     "quite know which side of you it is going to bite next."},
    {"slush ooze",
     "A grey puddle of half-melted snow that crawls about on its own. It seeps into boots and clothes "
     "alike and leaves its victims wet, cold and thoroughly miserable."},
    {"thorny beetle",
     "A heavy beetle whose back bristles with hooked thorns. Hitting it with bare hands is a lesson most "
     "people only need to learn once."},
    {"gnome marksman",
     "A bearded gnome with a squint and a crossbow nearly as big as he is, perched on whatever raises him "
     "above the floor. He hits what he aims at with irritating regularity."},
    {"yeti child",
     "A shaggy white youngster, already taller than most men, with a tuft of fur that sticks straight up. "
     "It plays rough, and somewhere nearby its parents are probably listening."},
    {"tar sludge",
     "A slow, black, sticky mass that smells of pitch and burnt pine. Whatever it touches gets stuck, and "
     "whatever gets stuck gets digested at leisure."},
    {"walrus",
     "A massive walrus that has found its way down into the Hollowmere, tusks first. It is grumpy, "
     "whiskered and heavy enough to flatten you against the ice just by rolling over."},
    {"giant ant",
     "A reddish-brown ant as big as a pony, with mandibles that could snap a spear shaft. It marches on "
     "with the single-minded purpose of its kind, and its purpose now is you."},
    {"jelly slime",
     "A wobbling lump of translucent jelly with a few unlucky objects floating inside it. It quivers "
     "happily when struck and swallows the blow rather too well."},
    {"sabre-clawed wolverine",
     "A squat, furious wolverine with claws like curved sabres. It is small for its reputation and has "
     "clearly spent its whole life making up for it."},
    {"cave kangaroo",
     "A pale, long-eared kangaroo that has taken to life underground by growing very strong legs and a "
     "very bad temper. It kicks like a mule and boxes like a sailor."},
    {"halfling slinger",
     "A cheerful halfling with a pouch full of pebbles and a well-worn sling. He whistles while he aims "
     "and only stops whistling to laugh when he hits."},
    {"animated snowman",
     "A snowman with coal eyes and a carrot nose that has decided it no longer wants to stand still. Its "
     "stick arms are surprisingly strong, and its smile never changes."},
    {"glacial leech",
     "A fat, blue-black leech from the meltwater pools. It latches on with a numbing bite, and by the time "
     "you notice it, it has already had a good meal."},
    {"translucent dire fox",
     "A large fox whose body is as clear as pond ice, so that you mostly see its teeth and the glint of "
     "its eyes. It slips in and out of sight like a draught under a door."},
    {"horror spider",
     "A bloated spider with far too many eyes, all of them on you. Its legs are covered in frost-white "
     "bristles, and its webs hold shapes you would rather not identify."},
    {"three-armed skeleton",
     "A skeleton with an extra arm wired onto its ribcage, plainly the work of a necromancer with spare "
     "parts. It swings all three at once and rattles happily with every blow."},
    {"cold-heart harpy",
     "A shrieking bird-woman with pale blue feathers and eyes as cold as the ice below. Her song is harsh, "
     "her talons are sharp, and her manners are worse than both."},
    {"snow piranha",
     "A small white fish with a mouth full of needles that swims through loose snow as if it were water. "
     "It keeps to the drifts of its own pale floors and bites faster than you can step back."},
    {"blue orc",
     "A broad-shouldered orc whose skin has turned blue from living too long in the cold. Whether the "
     "colour is its natural one or plain frostbite, the orc does not care either way."},
    {"cryomancer",
     "A caster bundled in furs, breath steaming around a staff tipped with a shard of ice. It commands the "
     "cold of these halls as if it owned it, which may well be the case."},
    {"polar crocodile",
     "A long white crocodile that lurks under thin ice, waiting for something heavy to fall through. Its "
     "jaws are as cold as its eyes, and it has all the patience in the world."},
    {"unstable golem",
     "A golem cobbled together from stone, ice and scrap metal, held by runes that flicker uncertainly. It "
     "lurches forward, and you suspect it could fall apart, or burst, at any moment."},
    {"wolf",
     "A grey wolf, lean from hunting in the frozen corridors. It rarely hunts alone, and the howls echoing "
     "behind it suggest that this one is no exception."},
    {"lynx",
     "A wild cat with tufted ears and broad, furry paws that make no sound on the snow. It watches you "
     "with calm, calculating patience, as if working out your price."},
    {"zombie",
     "A shambling corpse kept fresh by the cold, which is the only nice thing anyone can say about it. It "
     "moans, it reaches, and it never gives up."},
    {"dragonfly",
     "A dragonfly with the wingspan of an eagle, its four wings shimmering like sheets of thin ice. It "
     "darts back and forth faster than the eye can follow."},
    {"floating eye",
     "A single enormous eye hovering in the air, trailing nerves like a jellyfish. Meeting its gaze makes "
     "your thoughts feel slow and heavy, and then tangled."},
    {"deep dwarf",
     "A stocky, grey-bearded dwarf from the deepest mines, pale from a life without sunlight. He distrusts "
     "surface folk on principle and swings his pick to prove the point."},
    {"yeti",
     "A towering ape in thick white fur, with huge flat feet and a roar that shakes the icicles loose. It "
     "is fiercely territorial, and the whole floor seems to be its territory."},
    {"enchanted icicle",
     "A long, needle-sharp icicle that broke off the ceiling and forgot to fall. It drifts about with a "
     "faint chime, always pointing at whatever is warmest in the room."},
    {"rust predator",
     "An insect-like creature with feathery antennae and a hunger for metal. It sniffs out iron and steel "
     "from afar, and your equipment smells delicious to it."},
    {"ettin",
     "A two-headed giant that argues with itself about which way to go. Unfortunately for you, both heads "
     "agree wholeheartedly on hitting things."},
    {"centaur archer",
     "A proud centaur with a long bow and a wolf-fur mantle, its hooves clacking on the ice. It shoots "
     "from afar and has no intention of letting you come any closer."},
    {"frostbite wisp",
     "A small, bluish light that drifts lazily through the dark. It looks harmless, even pretty, until its "
     "touch turns your fingers white and numb."},
    {"orc slavemaster",
     "A scarred orc with a whip coiled at its belt and a ring of keys. It has spent years driving others "
     "to work and regards you as a promising new recruit."},
    {"troll spearthrower",
     "A lanky troll with a bundle of crude spears on its back. It throws them with a grunt and surprising "
     "accuracy, and simply grows back whatever you manage to cut off."},
    {"polar bear",
     "A huge white bear that wandered down into the Hollowmere looking for seals and found adventurers "
     "instead. It does not seem disappointed by the change of menu."},
    {"snow leopard",
     "A sleek grey-spotted cat with a long, thick tail that it wraps around itself for warmth. It moves "
     "like smoke over the snow and strikes before you hear a thing."},
    {"ghoul",
     "A gaunt, grey-skinned eater of the dead with long yellow nails. Its claws carry a filth that leaves "
     "the living stiff and helpless, ready for the table."},
    {"swarm of iceflies",
     "A buzzing cloud of tiny insects with frosted wings, glittering in the dark like blowing snow. "
     "Swatting one of them is easy; swatting all of them is another matter."},
    {"chupacabra",
     "A spiny, hairless beast with a dog's body and a taste for blood. Nobody knows how it ended up this "
     "far north, least of all the chupacabra, which seems very cross about it."},
    {"snow serpent",
     "A long white serpent that glides through the drifts with only its head showing. It strikes from the "
     "snow without a sound, and its fangs carry a venom that burns long after the bite."},
    {"spike beast",
     "A heavy four-legged brute covered in long bony spikes, like a porcupine built by a blacksmith. "
     "Attacking it hurts, and being attacked by it hurts a great deal more."},
    {"rothe",
     "A shaggy, musk-smelling beast like a small ox, with curved horns and poor eyesight. It charges at "
     "anything that moves, just to be sure."},
    {"ogre",
     "A lumbering brute with a club made from a whole tree trunk and a mind made from considerably less. It "
     "eats whatever it kills, and it kills whatever it meets."},
    {"ice walker",
     "A tall, gaunt figure of living ice that walks with a creaking stride. Its hollow eyes glow a faint "
     "blue, and frost spreads out from each of its footsteps."},
    {"imp",
     "A small red demon with bat wings and a forked tail, one of the lowest ranks of the invading hordes. "
     "It cackles, pokes and pilfers, and is far more annoying than dangerous. Mostly."},
    {"fiery fog",
     "A drifting cloud of hot, reddish vapour that hisses where it meets the ice. It is the first pleasant "
     "warmth you have felt in a long while, right up until it scalds you."},
    {"black elf archer",
     "An elf from the lightless realms below, clad in black leather and carrying a longbow of dark wood. "
     "She picks her shots with care and seems to vanish between them."},
    {"doppelganger",
     "A shapeshifter that looks exactly like whatever it met last, though it never quite gets the eyes "
     "right. At the moment it seems to be practising looking like you."},
    {"sharpshooter",
     "A hooded mercenary with a heavy crossbow and the steady hands of a professional. Someone has paid it "
     "to keep these corridors clear, and you are standing in one."},
    {"floating wall",
     "A section of wall that has come loose and now floats quietly from place to place. It looks exactly "
     "like the rest of the masonry, which is precisely the point."},
    {"hrimthurs",
     "A frost giant of the old blood, its beard hung with icicles and its skin the colour of glacier ice. "
     "It remembers a time before the dungeon and resents everything since."},
    {"liquid wight",
     "An undead spirit that lost its body and took one of cold black water instead. It flows across the "
     "floor and rises up to drown the warmth out of the living."},
    {"earth elemental",
     "A walking mass of rock, gravel and frozen soil that grinds as it moves. Walls are no obstacle to it; "
     "it simply pushes through them as if they were snowdrifts."},
    {"hellhound",
     "A black dog the size of a pony, with embers for eyes and smoke curling from its jaws. It was bred in "
     "the furnaces far below and clearly misses them."},
    {"ice ooze",
     "A slow puddle of slime that has frozen half solid, giving it a crunchy crust and a cold, sticky "
     "heart. Whatever it touches is chilled to the bone."},
    {"genie",
     "A blue-skinned spirit with a plume of smoke for legs and a mocking smile. It has been let out of its "
     "bottle at last and is in no mood to grant anyone any wishes."},
    {"air elemental",
     "A whirling column of freezing wind, thick with snowflakes. It throws things about for sheer "
     "amusement and has no body for your weapons to find."},
    {"wintry treant",
     "An ancient tree that pulled up its roots and walked down into the cold, its bark frosted and its "
     "branches bare. It moves slowly and hits like a falling trunk."},
    {"clay golem",
     "A crudely shaped giant of grey clay, brought to life by a word carved into its forehead. It obeys "
     "orders given long ago, and none of them mention sparing you."},
    {"rolling boulder",
     "A round boulder that rolls about with a mind of its own, rumbling over the ice. It blends in with "
     "the surrounding stone until it suddenly starts moving your way."},
    {"strange tentacle",
     "A single slimy tentacle rising from a crack in the floor and groping about blindly. What it is "
     "attached to, somewhere deep below, is a question best left unasked."},
    {"fairy bowman",
     "A fairy no taller than your hand, with a bow of bent grass and arrows like thorns. It is very hard "
     "to hit and very easy to underestimate."},
    {"shadow",
     "A patch of darkness that moves against the light, cold to the touch and silent as the grave. Where "
     "it brushes you, the strength seems to drain out of your limbs."},
    {"fluff dragon",
     "A small dragon covered in thick, downy white feathers instead of scales, looking rather like an "
     "angry pillow. It keeps its distance and spits hard pellets of ice, never coming close enough to "
     "be hugged."},
    {"fire elemental",
     "A roaring figure of living flame that hisses and spits steam with every step on the ice. It is very "
     "warm, very bright and very eager to share its heat."},
    {"snow diver",
     "A sleek beast with flippers and a beak that swims through deep snow the way a seal swims through "
     "water. It bursts up from below without warning and dives back just as fast."},
    {"pyromancer",
     "A fire mage in singed red robes, plainly in league with the invaders from below. The snow melts "
     "around its feet, and it looks upon the ice with open contempt."},
    {"dust cloud",
     "A swirling cloud of grit and powdered stone that stings the eyes and clogs the throat. It is hard to "
     "fight something you can barely see, and harder still to hit it."},
    {"recycler",
     "A pot-bellied scavenger with many small hands that sorts through rubble and corpses alike. It seems "
     "to think your belongings would be better off as something else."},
    {"mummy",
     "A corpse wrapped in old linen, preserved by the cold rather than by any embalmer. It carries a "
     "wasting sickness that clings to anyone it touches."},
    {"animated sword",
     "A long sword that flies and fights on its own, as if held by an invisible master. It never tires, "
     "never hesitates and never needs anyone to sharpen it."},
    {"demonic crossbowman",
     "A horned soldier of the invading army with a heavy crossbow of black iron. It wears the red "
     "insignia of the demonic legions and shoots with drilled precision."},
    {"ice elemental",
     "A jagged giant of blue ice with a glowing core of frost. The air around it crackles with cold, and "
     "it seems more at home here than anything else you have met."},
    {"wyvern",
     "A lean, two-legged dragon with leathery wings and a barbed tail dripping with venom. It swoops down "
     "from the ceiling with a screech that sets your teeth on edge."},
    {"snow walker",
     "A hunched figure wrapped in windblown snow, with no face to be seen under its hood. It leaves no "
     "footprints, which is unsettling enough on its own."},
    {"minotaur",
     "A bull-headed giant with a double axe and a brass ring through its nose. It has spent ages in "
     "labyrinths and resents anyone who finds the way in."},
    {"orb of destruction",
     "A floating sphere of crackling black energy that hums louder as it draws near. Whatever it touches "
     "crumbles away, and it is coming for you."},
    {"gargoyle",
     "A winged statue of grey stone that moves when you are not looking, and lately even when you are. Its "
     "hide turns blades and arrows alike."},
    {"razor-wing penguin",
     "A penguin whose flippers have been honed to razor edges. It waddles, which makes it look comical, "
     "and then it slashes, which does not."},
    {"black elf hunter",
     "A black elf tracker in a cloak of dark fur, with a long knife and a net. It stalks its quarry for "
     "days and strikes only when the moment is perfect."},
    {"iceman",
     "A man of living ice, clear enough to see through and cold-hearted in the most literal sense. He "
     "seems to have been a person once and dimly resents the change."},
    {"ghastly assassin",
     "A hooded killer with a grey, corpse-like face and a pair of wicked daggers. It moves without a sound "
     "and always seems to be standing right behind you."},
    {"demon",
     "Demon is a generic name for any hellish being in the middle of the demonic tiers, though the "
     "hellfire they possess is common to all of them."},
    {"manifestation of energy",
     "A crackling knot of raw power that has taken on a vaguely living shape. It feeds on the vigour of "
     "everything nearby to keep itself going, and it is always hungry."},
    {"wraith",
     "The hooded, cold-eyed spirit of a fallen warrior, trailing tatters of shadow. Its touch carries the "
     "chill of the grave and a terror that can freeze even a brave hand."},
    {"ice statue",
     "A finely carved statue of ice showing a warrior in a noble pose. The sculptor did too good a job, "
     "for the statue has come to life and forgotten its manners."},
    {"illusion",
     "A flickering image that could be anything and changes every time you blink. It may not even be "
     "real, but the wounds it leaves certainly seem to be."},
    {"spike golem",
     "A squat golem of riveted iron plates bristling with long spikes. Punching it is a terrible idea, and so is "
     "standing anywhere near it."},
    {"fiend",
     "A lesser demon of the invading army with blackened horns and a sulphurous stench. It seems to enjoy "
     "its work far more than is healthy for anyone."},
    {"chilling fog",
     "A drifting bank of white fog so cold that frost forms on everything it passes. Breathing it in "
     "makes your lungs ache and your teeth chatter."},
    {"ghost",
     "The pale spirit of someone who died in the cold and still wanders the corridors. It drifts through "
     "walls and moans endlessly about the draught."},
    {"mammoth",
     "An enormous shaggy elephant with long curling tusks, the kind of beast the cold has kept alive since "
     "ancient times. Its tread shakes the floor."},
    {"pale siren",
     "A pale, beautiful woman with white hair who sings a soft, cold song. Her voice makes you want to lie "
     "down in the snow and sleep, which is exactly what she wants."},
    {"degrader",
     "A grey, slug-like creature whose slime eats through leather, cloth and metal alike. It leaves a trail "
     "of rusted buckles and rotten scraps behind it."},
    {"ice-water drake",
     "A blue drake that dwells in the half-frozen pools of the blue ice caves and is never met far from "
     "them. It rushes out of the cold shallows and fights with claws and teeth."},
    {"poltergeist",
     "A noisy, unseen spirit that throws things around and knocks on the walls. You rarely see it, but you "
     "certainly feel it when it hits you."},
    {"balor",
     "A towering demon of flame and shadow with a whip of fire and a burning sword. It is among the "
     "mightiest of the invaders, and it knows it."},
    {"mindflayer",
     "A robed humanoid with a head like an octopus, its tentacles twitching hungrily. It feeds on brains, "
     "and it can tell that yours has not frozen yet."},
    {"lich",
     "A skeletal sorcerer in rotting robes with pinpoints of cold light in its eye sockets. It sought "
     "eternal life through dark arts and found it, though not quite in the form it expected."},
    {"blood beast",
     "A heaving, skinless creature that seems made of raw muscle and clotted blood. It steams in the cold "
     "air and leaves a red trail across the ice wherever it goes."},
    {"electric creature",
     "A sparkling, eel-like being of pure lightning that crackles through the air. It makes your hair "
     "stand on end, and your muscles twitch when it touches you."},
    {"lost soul",
     "A wailing, half-transparent spirit of someone who died in despair. It clings to the living and feeds "
     "on their vigour, leaving them drained and weary with every touch."},
    {"iron archon",
     "A tall warrior of polished iron with wings of metal feathers. It claims to have once served the "
     "Goddess and judges everyone it meets as unworthy, you included."},
    {"behemoth",
     "A colossal beast with a hide like a castle wall, so large that it barely fits through the corridors. "
     "The ground trembles when it moves, and so do you."},
    {"revenant",
     "A corpse risen from its grave, driven by a thirst for revenge that death could not quench. It will "
     "not rest until its vengeance is done, and you are in its way."},
    {"fallen angel",
     "A once-radiant being with blackened, broken wings, cast out of the heavens. It serves the demonic "
     "invaders now, loosing arrows of cold light from afar and calling lesser servants to its side."},
    {"vampire",
     "A pale, elegant noble in an old-fashioned cloak, with a thirst for warm blood. It finds the cold "
     "pleasant and the lack of sunlight even more so."},
    {"flying skull",
     "A grinning skull that floats in the air, its jaw clattering in silent laughter. It bites with "
     "surprising force for something that has no body to speak of."},
    {"red dragon",
     "A huge dragon with scales of deep crimson and breath of scorching fire. It came up from below with "
     "the invaders and finds the cold very uncomfortable, which makes it grumpy."},
    {"gelid mutant",
     "A bloated, misshapen creature covered in frozen growths. It looks like something that went wrong in "
     "a laboratory and then went wrong again in the cold."},
    {"efreet",
     "A vast fire spirit with smoky skin and a brazen voice. It is proud, cruel and scornful of the "
     "cold, which hisses and retreats wherever it walks."},
    {"chimera",
     "A beast with the body of a lion, a goat's head growing from its back and a snake for a tail. All "
     "three parts are hungry, and none of them like to share."},
    {"wyrm",
     "An ancient, wingless dragon, long as a river and white as old snow. It has slept under the ice for "
     "centuries and is in no good mood to be woken."},
    {"massive tentacle",
     "A huge tentacle as thick as a tree trunk, bursting up through the floor. Whatever lies beneath has "
     "clearly woken up, and it is very, very large."},
    {"abomination",
     "A writhing mass of flesh, limbs and mouths stitched together by some dark power. It is an insult to "
     "nature, and it seems to know it."},
    {"frozen sphinx",
     "A winged lion with a woman's face, worn smooth and iced over by ages of snow. It asks no riddles "
     "these days; it has run out of patience along with its visitors."},
    {"titan",
     "A gigantic warrior of the ancient races, tall enough to scrape the ceiling. Its presence alone is "
     "overwhelming, and each of its fists is about the size of you."},
    {"frost devil",
     "A high-ranking demon covered in shards of ice, with a tail like an icicle and eyes of cold blue "
     "fire. It is a rare demon that took a liking to the cold, and it means to keep it."},
    {"Vir've",
     "A lieutenant of the invading demonic forces, this feminine demon looks like a teacher, trainer or "
     "perhaps an instructor of lesser troops. You certainly wouldn't like to get punished by her as she "
     "seems to have very sharp eyes for weakness."},
    {"Ikuazz",
     "A captain of the invading demonic forces, this quick demon seems to be responsible for preparing "
     "equipment and other resources for the troops that are going to assault the surface. His own set of "
     "equipment looks certainly polished."},
    {"Omuerp",
     "A major of the invading demonic forces, this demon is likely the leader of the garrison here, "
     "stationed against possible counter attacks. His skin looks hard as iron; you're not quite sure how "
     "well your weapons will penetrate it."},
    {"Nonehes",
     "A colonel of the invading demonic forces, this bureaucratic demon is probably in the upper "
     "management, dealing with the demonic red tape associated with the invasion. He seems masterful at "
     "dodging both offensive words and weapons."},
    {"Uramesiel",
     "The general of the invading demonic forces, this bastard is behind the whole invasion, comfortably "
     "drenched in the pale blood of virgins while others do the dirty work. He seems to be ever shifting, "
     "at times blurred and at others as if his whole body was mirror-twisted."},
};

}  // namespace

std::string FillMonsterDescriptions(std::string name) {
    if (monsterDescriptions.empty()) {
        for (const DescriptionRow& row : kDescriptionRows) monsterDescriptions.push_back({row.name, row.description});
    }

    // Variant names always begin with their word, so wherever the word is
    // found, the name's first characters are what goes.
    for (std::string_view word : kMonsterVariantWords) {
        if (name.find(word) != std::string::npos) name.erase(0, word.size());
    }

    for (const MonsKuvaus& row : monsterDescriptions) {
        if (row.name == name) return row.description;
    }
    return "Hmm, one can't say anything about this being. Strange.";
}
