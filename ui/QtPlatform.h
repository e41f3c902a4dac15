#pragma once

// Connects the platform layer to Qt: message boxes for messages, the locale's
// decimal separator for numbers, the program's fonts.
void installQtPlatform();
