#pragma once

#include "app/ui/TfrmModDlgConfirmaCancela.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kelpa {

// "Nº do Conselho Regional": whether the technical officer is a physician or a
// dentist, and the council registration number.
class TfrmCadResponsavelTecnico : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    explicit TfrmCadResponsavelTecnico(QWidget *parent = nullptr);

    QRadioButton *rbtMedico() const { return m_medico; }
    QRadioButton *rbtDentista() const { return m_dentista; }
    QLabel *lblConselho() const { return m_lblConselho; }
    QLineEdit *edtConselho() const { return m_conselho; }

    // "M" physician, "O" dentist.
    QString tipo() const;
    QString numero() const;

protected:
    bool CriticaDados() override;

private:
    QRadioButton *m_medico = nullptr;
    QRadioButton *m_dentista = nullptr;
    QLabel *m_lblConselho = nullptr;
    QLineEdit *m_conselho = nullptr;
};

} // namespace kelpa
