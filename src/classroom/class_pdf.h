#pragma once
#include "class_report.h"
#include "progress_data.h"

#include <string>

// The class report for printing, A4, in the teacher's language: a class page (the pupils' figures,
// the class's keyboard coloured as the progress page colours it, its accuracy and speed by day), then
// one progress card per pupil for a parents' evening. file: the system's bytes. False with the reason.
bool WriteClassPdf(const TClassFigures& figures, const std::string& file, std::string& problem);

// The progress page's figures of one pupil, and of the class as a whole, for drawing.
TProgressData CardData(const TPupilFigures& pupil, int today);
TProgressData ClassData(const TClassFigures& figures);
