// The example projects that ship in the program folder's "Examples" folder.
//
// Each is drawn the way a user draws it: every element goes through the
// element entry rules (EnterElement), so the cells are what the entry dialog
// would have stored. The build writes them with WriteExampleProjects; the
// examples command and the start page preselect the first one.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "editor/DeviceComments.h"
#include "model/LadderProgram.h"

namespace vx {

// The example the open dialog preselects.
inline constexpr const char* kFirstExampleProject = "MotorStartStop.PSP";

struct ExampleProject {
    std::string fileName;  // "MotorStartStop.PSP"
    LadderProgram program;
    DeviceComments comments;
};

// An element the entry rules refused while an example was drawn.
class ExampleRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A motor started and stopped with self-holding, with a delayed second output;
// a counter with its reset; a step sequence with STL. Throws ExampleRefused
// when the entry rules refuse an element.
std::vector<ExampleProject> ExampleProjects();

// Writes every example's project and comment file into the folder (created
// when missing). Returns the files written; throws ExampleRefused, or
// std::runtime_error when a file cannot be written.
std::vector<std::string> WriteExampleProjects(const std::string& folder);

}  // namespace vx
