#pragma once
// The start-up: the main window is loaded first and disabled, the splash goes on top, the
// default folders are made, and the main window is shown. Returns then; everything else
// runs from window events, and the splash ends the start-up when it goes.

void Main();
