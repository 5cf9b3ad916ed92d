#pragma once
#include <QApplication>
#include <memory>

// The exit status of a start without a display.
inline constexpr int kNoDisplayStatus = 3;

// Makes the application object, which opens the display. Where none can be opened (none is named, or
// no server answers to the name), the toolkit would abort with a core dump and advise reinstalling the
// program; instead this says on standard error that no display could be opened and ends the process
// with kNoDisplayStatus. argc must outlive the application object.
std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv);
