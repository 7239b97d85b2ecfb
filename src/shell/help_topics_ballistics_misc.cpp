#include <iterator>

#include "shell/help_topic_texts.h"

namespace deadhold {
namespace {

// Topics 40 to 61: the Ballistics Calculator and the Misc Functions page.
constexpr HelpTopic kTopics[] = {
    {"Ballistics Calculator.",
     "Computes exterior ballistics such as trajectory, drop, energy, velocity etc, for given load "
     "data.",
     1},
    {"Data Fields", "Fields of required data used to compute a fired bullets external ballistics",
     2},
    {"Ballistic Coeff",
     "The Ballistic Coefficient value given by the bullet manufacturer. Deadhold uses the G1 drag "
     "model, so enter the G1 value; it must lie between 0.022 and 5. The coefficient calculator "
     "on the Misc Functions page finds it from two chronograph readings.",
     2},
    {"Bullet Weight", "Weight in Grains of the bullet", 0},
    {"Velocity",
     "Velocity of the bullet. Enter the muzzle velocity in feet per second, at least 500 and "
     "below 4500. When a load is brought over, its average velocity is used.",
     0},
    {"Target Zero Distance",
     "The distance in yards from the muzzle to the point where the bullet's downward path crosses "
     "the line of sight.",
     0},
    {"Scope Height",
     "The height of the center of a scope in inches above the center of the barrels bore. It "
     "must lie between 0.001 and 6 inches; 1.5 inches suits most hunting scopes in low mounts.",
     0},
    {"Temperature", "The temperature (F) of the region the bullet is fired in.", 0},
    {"Altitude", "The altitude in feet in which the bullet is fired in", 0},
    {"Auto Save Load Data CheckBox",
     "Some users wanted the ability to be able to change Load data present in the Ballistics "
     "Calculator from the Ballistics menu. While the box is ticked, the velocity, scope height, "
     "temperature and altitude of every successful Re-Compute are written into the active load. "
     "The ballistic coefficient, bullet weight and target distance are never changed. The load "
     "reaches RELOADER.DAT the next time the database is saved.",
     3},
    {"Re-Compute Button", "Recalculates ballistics data and redraws results.", 0},
    {"Taylor KO Button",
     "Calculates Taylor's African Knock Out values from the current ballistic data at 100 to 800 "
     "yards, after asking for the caliber of the bullet. The values are shown as a table that "
     "rates fourteen big-game species from Excellent to Poor at each distance.",
     0},
    {"Print Button", "Prints the current ballistics data.", 0},
    {"Save to TXT Button",
     "Saves out the current ballistics data to a standard windows TXT format. BALLISTIC.TXT is "
     "offered as the name. The file holds the load, a table every 25 yards out to 800 yards and "
     "the leads for moving targets.",
     0},
    {"Get Load Data Button",
     "Imports required data from the active load displayed in the Load Information menu", 0},
    {"Misc Functions", "Various but useful functions", 1},
    {"Calculate Bullet Ballistic Coefficient",
     "Using a Chronograph to calculate muzzle and 100 yard velocities, will calculate the actual "
     "Ballistic Coefficient for a bullet. Enter the bullet weight and both velocities; the answer "
     "is found in steps of 0.01 and lies just under the true value.\n"
     "Velocities that drop by more than 1000 fps in 100 yards are refused, and Unknown is shown "
     "when no coefficient fits. The Ballistics Calculator's results are left as they were.",
     2},
    {"Calculate Bullet Sectional Density",
     "Calculates a bullets Sectional Density from it's diameter and weight.", 0},
    {"Calculate Muzzle Energy", "Calculates a bullets energy from it's mass and velocity.", 0},
    {"Calculate Recoil",
     "Calculates the recoil of a load from the velocity and weight of the bullet as well as the "
     "weight of the powder",
     0},
    {"Calculate Taylor KO Factor",
     "Calculates Taylor's African Knock Out factor. The factor is the bullet weight in pounds "
     "times its velocity in feet per second times its caliber in inches. It was devised to judge "
     "rifles for dangerous game and rates most North American game generously.",
     0},
    {"Unit Converter Menu",
     "Allows fast conversion from many different English units to Metric units and vice versa", 0},
};

}  // namespace

std::span<const HelpTopic> ballisticsAndMiscHelpTopics() {
  return kTopics;
}

static_assert(std::size(kTopics) == 22);

}  // namespace deadhold
