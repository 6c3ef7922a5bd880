#pragma once

#include "list/SignSetup.h"

class ProjectModel;

// The setup New would need to make a project's sign again: its LED Type, LED Number and module colours.
// A sign no setup offers (modules of no LED Type, more than 16 modules) gives the reason instead.
CheckedSignSetup SignSetupOfProject(const ProjectModel &model);
