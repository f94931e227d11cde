#pragma once
// One walk through the whole core as a user takes it with a file of arbitrary bytes: open it and
// add a part of it as a second file, look at every record and part (detail rows, list texts, the
// typed field readers), page every list tab, run every filter criterion with arguments taken from
// the bytes (through the argument-line parser too), compute every statistic, write both export
// forms, redraw the load screen, draw the plan graphic and the geometry of every record, use the
// mouse on the graphic and delete the lines outside the filter set. The fuzz target runs it for
// every input and the regression test for every stored finding, so both take the same path.

#include <string_view>

namespace fuzzing {

// Starts from a fresh program state, so that no input depends on the one before, and leaves one.
void ExerciseCore(std::string_view bytes);

}  // namespace fuzzing
