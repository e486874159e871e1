#pragma once
// The checks of `velmora-cli check`, each adding what it finds.

#include <string>
#include <vector>

#include "cli/check/disc.h"
#include "cli/check/finding.h"

namespace velmora::cli::check {

// Table files, start-up programs, fixed pages, support files and templates
// the viewer needs whatever the pages link to.
void CheckFixedFiles(Disc& disc, Findings& findings);
// Rows the table reader splits otherwise than the author meant, and rows
// whose own files are missing (photographs, slides, definition files).
void CheckTableRows(Disc& disc, Findings& findings);
// MENU.CSV entries and the menu templates of the pages.
void CheckMenu(Disc& disc, Findings& findings);
// DRZEWO1.CSV entries and the pages of the tree's leaves.
void CheckTree(Disc& disc, Findings& findings);
// Every link of every page, template, table cell shown in a page and
// definition file.
void CheckLinks(Disc& disc, Findings& findings);
// Links whose target names a frame that no page of the disc has.
void CheckFrameTargets(Disc& disc, Findings& findings);
// Not findings: one line for each Windows program of the animation
// directory when wine is not installed.
std::vector<std::string> WindowsProgramHints(Disc& disc);

}  // namespace velmora::cli::check
