#include <iterator>

#include "shell/help_topic_texts.h"

namespace deadhold {
namespace {

// Topics 62 to 88: the frequently asked questions, the bugs and the credits.
constexpr HelpTopic kTopics[] = {
    {"Frequently Asked Questions", "Answers to frequently asked Questions", 1},
    {"Do I have to reload to use the Ballistics Calculator?",
     "No you do not. The Ballistics Calculator works with any cartridge: type the ballistic "
     "coefficient, bullet weight and velocity of a factory load into its fields and press "
     "Re-Compute.",
     2},
    {"Why does the Ballistics Calculator contain .270 information?",
     "I wanted the program to show something graphical when run. While no load is active, the "
     "calculator shows a .270 Winchester with a 130 grain Sierra Gameking at 3016 fps. As soon as "
     "a load is active, its own data is used.",
     0},
    {"I don't reload, where can I get information about my factory load?",
     "Most ammunition makers print the muzzle velocity and the bullet's ballistic coefficient on "
     "the box or in their catalogue, and bullet makers publish the coefficients of their bullets. "
     "For the best results, measure the velocity from your own rifle with a chronograph.",
     0},
    {"Why does my field results not match the Ballistics Calculator results?",
     "Calculated data is only approximate and should always be verified in the field. Your "
     "barrel, your chronograph, the real temperature and altitude, the wind and the coefficient "
     "printed on the box all differ a little from the values entered. Use the results to get on "
     "paper, then confirm them at the range.",
     0},
    {"Why does the results of this program not exactly match other programs?",
     "The results of this program should be very close to that of other programs. Programs differ "
     "in the drag model they use, in how they correct for air density and in how finely they "
     "follow the flight of the bullet. Deadhold uses the standard G1 drag function and corrects "
     "the coefficient for temperature and altitude.",
     0},
    {"Why does the Ballistics Calculator not remember my settings?",
     "The settings you see are defaults. Each time the Ballistics Calculator tab is chosen, the "
     "data of the active load, or the built-in .270 load, is brought over again. To keep a "
     "change, tick Auto Update Load Data or edit the load itself.",
     0},
    {"Where can I learn to reload my own cartridges?",
     "You can purchase a reloading starter kit from many different reloading suppliers. Most kits "
     "come with a reloading manual: read it from cover to cover before you start, and if you can, "
     "learn beside an experienced reloader. Always begin with the starting loads of a manual and "
     "work up carefully.",
     0},
    {"Do you have any specific loads for my rifle?",
     "No, I recommend you research loads for your caliber through reloading manuals. Powder and "
     "bullet makers publish tested load data. Never use a load from an unknown source without "
     "checking it against published data.",
     0},
    {"Do I have to use all the data fields in the Load Info?",
     "No, you can use as little or as much as you want. Only the caliber is required to save a "
     "load. The Ballistics Calculator needs the ballistic coefficient, bullet weight and average "
     "velocity of a load to compute its trajectory.",
     0},
    {"Why Can't I edit any data fields in the Load Information menu?",
     "I wanted the default display for data to be read only. That way nothing is changed by "
     "accident. Press Edit Load to change the recipe, or Large Target to change the shots, the "
     "range conditions and the notes.",
     0},
    {"In the Open Load menu, why are there multiple entries for the same caliber?",
     "This happens due to not having used the same caliber description for multiple loads of the "
     "same caliber. For example .308 Win and .308 Winchester are two calibers to the program, "
     "while capital and small letters do not matter. Edit the loads so that they use one "
     "description.",
     0},
    {"Why are some loads in the Caliber list are some loads listed UNKNOWN?",
     "This is potentially a serious error. A load without a caliber was found in the database, "
     "perhaps because RELOADER.DAT was damaged or a load file without a caliber was imported. "
     "Such loads are given the caliber Unknown so that you can still find them. Check their data "
     "and enter the right caliber with Edit Load, and please report how it happened on the "
     "project's issue tracker.",
     0},
    {"What if I have a cool suggestion for your program?",
     "If anyone has any suggestions which would make this program better please email me! The "
     "simplest way is to leave it on the project's issue tracker, where everyone working on "
     "Deadhold can read and discuss it.",
     0},
    {"How can I exchange loads with my friends without having to re-enter all the data?",
     "From the Open Load menu, hilight a load and click Export. Give the .BLD file to your "
     "friend, who clicks Import in the Open Load menu and picks the file. The load is added to "
     "the database with all its data, shots and notes included.",
     0},
    {"Please explain the Deadhold Range calculator!",
     "The \"Deadhold Range\" is the largest range at which you can hold the sights on the center "
     "of the vitals and still hit them, without holding over or under.\n"
     "With a vital zone of 6 inches, the sight-in distance is chosen so that the bullet rises at "
     "most 3 inches above the line of sight, and the range ends where the bullet falls below -3 "
     "inches. Press Calculate DHR on the Ballistics Calculator and enter the height of the vital "
     "zone in inches.",
     0},
    {"Please explain the Lead calculator!",
     "Lead is the distance you must aim ahead of a moving target to hit it. The Ballistics "
     "Calculator lists the lead in feet at each range for targets crossing at 5 to 60 mph, from "
     "the bullet's time of flight.",
     0},
    {"How I can update the data in the BULLETS, POWDERS or PRIMERS Databases?",
     "I tried to make this very very easy to add new data into the databases. BULLETS.TXT, "
     "POWDERS.TXT and PRIMERS.TXT are plain text files in the folder Deadhold is started from; "
     "open them with any text editor.\n"
     "Each entry stands on a line of its own with its fields separated by tabs: for a bullet the "
     "maker, caliber, weight, type, ballistic coefficient and sectional density; for a powder the "
     "maker, type and lot number; for a primer the maker, type and, if you like, a lot number. A "
     "; starts a comment that runs to the end of the line. End the last line with a line break. "
     "Changes show the next time a list is opened.",
     0},
    {"Will you be keeping complete up to date databases on your webpage for download?",
     "Probably. Up to date copies of BULLETS.TXT, POWDERS.TXT and PRIMERS.TXT are kept with the "
     "program's source in the project's repository; copy them into the folder you start Deadhold "
     "from, or add your own entries.",
     0},
    {"Program Bugs", "Known bugs and steps to report newly found bugs", 1},
    {"Reporting a new bug",
     "Please report a problem on the project's issue tracker, next to its source repository. Say "
     "which version of Deadhold you use (1.6), what you did, what you expected and what happened "
     "instead. If the problem concerns a load, export it to a .BLD file and attach the file.",
     2},
    {"Known Bugs", "Complete List of known bugs", 0},
    {"There are no known bugs at this time", "", 2},
    {"Credits", "Credit where Credit is due!", 1},
    {"The Deadhold Contributors",
     "Deadhold is written and looked after by the contributors of the Deadhold project, and made "
     "better by every user who reported a bug, asked a question or suggested a feature. Thank "
     "you all.",
     2},
    {"Libraries",
     "Deadhold is built on the work of others, shared freely. Thanks to Qt, for the windows, "
     "dialogs, drawing and printing; to GoogleTest and Google Benchmark, which test the program "
     "and measure its speed; and to CLI11, which reads the command line of the deadhold-cli "
     "companion tool.",
     0},
    {"Fonts and Operating System",
     "Thanks to the Liberation and DejaVu fonts, in which Deadhold's screens and printouts are "
     "drawn, and to Debian, whose packages the program is built and tested on.",
     0},
};

}  // namespace

std::span<const HelpTopic> questionsAndCreditsHelpTopics() {
  return kTopics;
}

static_assert(std::size(kTopics) == 27);

}  // namespace deadhold
