// The program's icon, shared by the main window, the about box and the two exercise programs.
#pragma once

#include <QIcon>

namespace qimbel {

// A blue tile with a white summation sign, drawn sharp at every size the desktop asks for.
QIcon ProgramIcon();

} // namespace qimbel
