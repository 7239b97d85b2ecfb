# Turns the standard drag functions in resources/drag (CSV: a "mach,cd" header, then one
# "mach,cd" pair per line in rising Mach order) into a C++ source, so the program carries them
# compiled in. Run at build time:
#   cmake -DG1=<G1.csv> -DG7=<G7.csv> -DOUTPUT=<file.cpp> -P embed_drag_tables.cmake
function(drag_points csv result)
  file(STRINGS "${csv}" lines)
  list(POP_FRONT lines header)
  if(NOT header STREQUAL "mach,cd")
    message(FATAL_ERROR "${csv}: the first line must be \"mach,cd\", not \"${header}\"")
  endif()
  set(points "")
  foreach(line IN LISTS lines)
    if(line STREQUAL "")
      continue()
    endif()
    if(NOT line MATCHES "^([0-9]+(\\.[0-9]+)?),([0-9]+(\\.[0-9]+)?)$")
      message(FATAL_ERROR "${csv}: \"${line}\" is no \"mach,cd\" pair")
    endif()
    string(APPEND points "    {${CMAKE_MATCH_1}, ${CMAKE_MATCH_3}},\n")
  endforeach()
  set(${result} "${points}" PARENT_SCOPE)
endfunction()

drag_points("${G1}" g1_points)
drag_points("${G7}" g7_points)
file(WRITE "${OUTPUT}.tmp" "// Made at build time from resources/drag/G1.csv and G7.csv; edit those, not this.
#include \"engine/drag_table.h\"

namespace deadhold {
namespace {

constexpr DragPoint kG1Points[] = {
${g1_points}};

constexpr DragPoint kG7Points[] = {
${g7_points}};

}  // namespace

std::span<const DragPoint> standardDragPoints(DragFunction function) {
  if (function == DragFunction::G7) return kG7Points;
  return kG1Points;
}

}  // namespace deadhold
")
# An unchanged table leaves the source untouched, so nothing is rebuilt for it.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
