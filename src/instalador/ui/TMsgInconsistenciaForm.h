#pragma once

#include <QDialog>

class QPushButton;

namespace kelpa {

// "Instalação KELPA": asked before an update erases the 2007 accounting data that an
// older version let the user enter. Accepted means go on.
class TMsgInconsistenciaForm : public QDialog
{
    Q_OBJECT

public:
    explicit TMsgInconsistenciaForm(QWidget *parent = nullptr);
    QPushButton *btnContinuar() const { return m_continuar; }
    QPushButton *btnCancelar() const { return m_cancelar; }

    // The notice's rich text, as the installation manual keeps it.
    static QString textoAviso();

private:
    QPushButton *m_continuar = nullptr;
    QPushButton *m_cancelar = nullptr;
};

} // namespace kelpa
