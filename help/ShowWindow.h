#pragma once

class QWidget;

// Shows a secondary window without making it modal, or brings it to the front if it is shown.
void showModeless(QWidget* window);
