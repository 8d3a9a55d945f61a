#pragma once

namespace kavelcheck {

// The depth of the screen as a Qt program would see it, read in a child process: starting Qt
// without a reachable display ends the process, and only the child may end so. 0 without a
// screen.
unsigned ChildScreenDepth();

} // namespace kavelcheck
