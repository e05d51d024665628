// How a program of the product ends when it is stopped by a signal: the temporary files it is
// writing are removed first, so an interrupted save or scene leaves nothing beside its target.
#pragma once

namespace kestrelon {

// Makes SIGINT, SIGTERM and SIGHUP remove the registered temporary files and end the program
// at once with status 128 + the signal, as shells report a stopped program. A signal the
// program was started with ignored (nohup, background jobs) stays ignored.
void installInterruptCleanup();

} // namespace kestrelon
