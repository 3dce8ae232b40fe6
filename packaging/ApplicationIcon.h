#pragma once

#include <QIcon>

// The application icon in every size it was drawn at: the one the desktop entry shows.
QIcon applicationIcon();
