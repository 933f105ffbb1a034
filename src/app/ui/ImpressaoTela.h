#pragma once

class QWidget;

namespace kelpa {

// Prints what the user sees: the program's windows, captured as a picture and laid
// on a landscape page, through the print preview (which also saves a PDF).
class ImpressaoTela
{
public:
    static void imprimir(QWidget *origem);
};

} // namespace kelpa
