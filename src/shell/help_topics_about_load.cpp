#include <iterator>

#include "shell/help_topic_texts.h"

namespace deadhold {
namespace {

// Topics 1 to 39: the program itself, its distribution and the Load Information page.
constexpr HelpTopic kTopics[] = {
    {"About Deadhold, Computer Reloading and Ballistics Software",
     "Deadhold, Computer Reloading and Ballistics Software, version 1.6.\n"
     "Deadhold keeps a book of your hand-loads with their test groups, computes their exterior "
     "ballistics from the standard G1 drag model out to 1000 yards, finds the maximum Deadhold "
     "range and offers a set of small calculators, reports and printouts.\n"
     "It is free, open source software written by the contributors of the Deadhold project: "
     "use it, copy it, study it and share it under the license that comes with it.",
     1},
    {"Offical Internet Support Web Page",
     "Deadhold has no web page of its own. Support lives with the program's source: the "
     "project's source repository holds the code, the list of changes and the issue tracker, "
     "where questions are answered, bugs are reported and new versions are announced.\n"
     "If you were given this copy of Deadhold, whoever gave it to you can tell you where that "
     "repository is.",
     1},
    {"Cost / Distribution", "Details on Cost and Distribution restrictions", 1},
    {"How much does this program cost?",
     "NOTHING! This program is currently free and I do not expect that to change. There is no "
     "registration, no time limit and no part of the program held back. If you paid for a copy, "
     "you paid for the disk or the packaging, not for Deadhold.",
     2},
    {"Distributing this Software",
     "You are welcome to give Deadhold to your friends, your shooting club or anyone else, and to "
     "put it on a disk or a download site, as long as you pass it on complete with its license "
     "and charge nothing for the program itself.\n"
     "The source is open: you may study it, change it and share your changes under the same "
     "terms, so that everyone who receives the program keeps the same freedoms.",
     0},
    {"Contacting the Author",
     "Deadhold is written by a group of contributors rather than by one author. The way to reach "
     "them is the project's issue tracker, next to its source repository: questions, bug reports "
     "and suggestions left there are read by the people who work on the program.\n"
     "Please give the version number (1.6) and, for a problem, the steps that lead to it.",
     0},
    {"Load Information Menu",
     "Load information contains detailed information regarding the components and data which "
     "make up the load. The page shows the active load read only: bullet, powder, primer and case "
     "data, the cartridge lengths, the average velocity and group, the shots placed on the target "
     "and a small picture of the target.\n"
     "All loads are kept in the file RELOADER.DAT in the folder Deadhold is started from. It is "
     "read when the program starts, written after every new, edited or imported load, and "
     "written once more when the program closes.",
     1},
    {"Data Fields", "Each data field represents the data associated for the title of the field.",
     2},
    {"Open Load Button",
     "Opens a list of all loads in the database and allows the user to select a specific load. "
     "If the database is still empty you are told so; create a load first with the New Load "
     "button.",
     0},
    {"Open Load Overview",
     "When the Open Load menu is active, it sorts all loads in the database first by caliber then "
     "by bullet weight. The weights are compared as text, so a 150 grain load comes before a 55 "
     "grain load of the same caliber.\n"
     "Choose a caliber, click a load in the list to hilight it, then use the buttons below the "
     "list.",
     2},
    {"Select Caliber Pull down",
     "The Select Caliber pull down menu contains a sorted list of all calibers in the database. "
     "Choosing a caliber fills the list box below it with the loads of that caliber. The caliber "
     "of the active load is chosen when the menu opens.",
     0},
    {"Load Information List Box",
     "Contains a list of all loads in the data base for the selected caliber. Each line shows the "
     "load name, bullet weight, bullet maker and type, powder maker, type and weight, average "
     "velocity and average group. Click a line and press Select Load to make it the active load.",
     0},
    {"Delete Load Button",
     "Deletes the hilighted load in the listbox from the database. There is no second question. "
     "To go back, close Deadhold and copy RELOADER.BAK over RELOADER.DAT: it holds the load book "
     "as it was before this run of the program first changed it.",
     0},
    {"Import Load Button",
     "Imports a previously exported Binary load information file. Useful for sharing loads among "
     "different reloaders",
     0},
    {"Export Load Button",
     "Exports the load as a Binary file which can then be imported into another version of this "
     "software. The file gets the extension .BLD and holds exactly one load: its components, its "
     "shots, its range conditions and its notes.",
     0},
    {"Cancel Button", "Quits this menu with no changes", 0},
    {"New Load Button",
     "Brings up the new load dialog box which allows the user to create and enter data for a new "
     "load.",
     3},
    {"New Load Data Menu Overview",
     "Creates and allows a user to edit the data fields for new load. A caliber must be entered "
     "before the load can be accepted. The Bullet, Powder and Primer DBase buttons fill their "
     "fields from BULLETS.TXT, POWDERS.TXT and PRIMERS.TXT.\n"
     "Pressing Enter in a field closes the menu without saving the load, so move between fields "
     "with Tab or the mouse.",
     2},
    {"Reset Fields Button", "Resets all fields back to the defaults.", 0},
    {"Accept Button", "Updates all load data fields with the new data.", 0},
    {"Cancel Button", "Aborts without saving changes to the load information.", 0},
    {"Edit Load Button", "Allows a user to edit existing data for the active load.", 3},
    {"Edit Load Data Menu Overview",
     "Allows a user to edit the data fields for the current load. The changes are made on a copy "
     "and reach the load only when Accept is pressed; quitting leaves the load as it was. Shots, "
     "range conditions and notes are edited on the Large Target.",
     2},
    {"Reset Fields Button", "Resets all fields back to the defaults.", 0},
    {"Accept Button", "Updates all load data fields with the new data.", 0},
    {"Cancel Button", "Aborts without saving changes to the load information.", 0},
    {"Save to TXT Button",
     "Allows the user to export load information to a standard windows Text file. LOAD.TXT is "
     "offered as the name, in the folder Deadhold was started from. The file lists every field of "
     "the load, its shot string and its range notes.",
     3},
    {"Large Target Button",
     "Brings up the virtual Large Target menu screen. There the shots of a test string are placed "
     "on a full size target, and the range conditions and notes of the load are entered.",
     0},
    {"Overview",
     "Virtual shots are placed by first selecting the shot number to edit from the Radio buttons. "
     "Then right click on the target where the shot hit, or type its distances into the X and Y "
     "fields. Up to ten shots can be placed.\n"
     "Every change goes straight into the active load and there is no undo. Return or the Enter "
     "key closes the target; Escape does not.",
     2},
    {"Target Scale",
     "The scale of the Target is 1 inch from one black line to another. The aim point is the "
     "center of the target; distances to the right and above it are positive, to the left and "
     "below it negative.",
     0},
    {"Select Shot Number",
     "Clicking a shot number selects that shot numbers data fields for editing.", 0},
    {"Hide All but Selected",
     "Normally all Virtual shots will are shown with the currently selected shot being "
     "hilighted. Tick this box to show the selected shot alone.",
     0},
    {"X/Y Distance Fields",
     "The Horizontal and Vertical distance of the Virtual Shot from the targets center in "
     "inches.",
     0},
    {"Velocity", "The velocity of the Virtual shot selected from the Shot Number list.", 0},
    {"Radius Dist",
     "Radius Distance from the center of the target to the position of the Virtual shot. It is "
     "calculated from the X and Y distances.",
     0},
    {"Group Size",
     "Largest Distance from one Virtual shot to another. It is measured center to center between "
     "the two shots farthest apart and becomes the Av. Group of the load.",
     0},
    {"Target Information",
     "Various information regarding shooting conditions. Target distance, wind, temperature, "
     "elevation, scope height and notes are stored with the load. Because Enter closes the "
     "target, press CTRL+ENTER to start a new line in the notes.",
     0},
    {"Print Button", "Prints the load information to the local printer.", 3},
    {"Graphical Target",
     "A \"quick view\" of the shots placed on the Large Target for the active load.", 0},
};

}  // namespace

std::span<const HelpTopic> aboutAndLoadHelpTopics() {
  return kTopics;
}

static_assert(std::size(kTopics) == 39);

}  // namespace deadhold
