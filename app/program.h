#pragma once
// Puts the subsystems' views and operations into the main window.
class TForm1;
void installSubsystems(TForm1 &form);
