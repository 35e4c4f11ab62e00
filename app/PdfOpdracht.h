#pragma once
// tarvo --pdf WERKBLAD.tvo UIT.pdf [--wegdekken PAD] [--decimaal ,|.] [--datum JJJJ-MM-DD]
// Computes as tarvo-reken does and writes the printed page as PDF, without
// any window. Exit status 0 written, 1 input refused or the PDF not written
// (an old file is then left as it was), 2 wrong use.

namespace tarvo {

// True when argv asks for the PDF export.
bool IsPdfOpdracht(int argc, char** argv);

// Makes its own application object when none exists yet; chooses the
// offscreen platform when none is set, so no display is needed.
int PdfOpdracht(int argc, char** argv);

}  // namespace tarvo
