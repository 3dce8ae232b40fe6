#pragma once

class QWidget;

// Shows a secondary window without making it modal: hidden or minimised, it is shown; in any case
// it is brought to the front and given the focus. The same instance is reused every time.
void showModeless(QWidget* window);
