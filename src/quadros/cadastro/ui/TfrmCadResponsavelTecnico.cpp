#include "TfrmCadResponsavelTecnico.h"

#include "ValidadorCampo.h"

#include "app/ui/Avisos.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kelpa {

TfrmCadResponsavelTecnico::TfrmCadResponsavelTecnico(QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
{
    setObjectName(QStringLiteral("frmCadResponsavelTecnico"));
    setWindowTitle(QStringLiteral("Nº do Conselho Regional"));
    auto *pergunta = new QLabel(QStringLiteral("Seu Responsável Técnico é um"), areaConteudo());
    m_medico = new QRadioButton(QStringLiteral("Médico"), areaConteudo());
    m_medico->setObjectName(QStringLiteral("rbtMedico"));
    m_medico->setChecked(true);
    m_dentista = new QRadioButton(QStringLiteral("Dentista"), areaConteudo());
    m_dentista->setObjectName(QStringLiteral("rbtDentista"));
    m_lblConselho = new QLabel(QStringLiteral("CRM:"), areaConteudo());
    m_conselho = new QLineEdit(areaConteudo());
    m_conselho->setObjectName(QStringLiteral("edtConselho"));
    ValidadorCampo::maiusculas(m_conselho, 15);
    m_lblConselho->setBuddy(m_conselho);

    auto *grade = new QGridLayout(areaConteudo());
    grade->setContentsMargins(12, 12, 12, 12);
    grade->addWidget(pergunta, 0, 0, 1, 3);
    grade->addWidget(m_medico, 1, 0);
    grade->addWidget(m_dentista, 1, 1);
    grade->addWidget(m_lblConselho, 2, 0);
    grade->addWidget(m_conselho, 2, 1, 1, 2);
    grade->setColumnStretch(2, 1);
    setMostraMensagem(false);
    resize(360, 150);

    connect(m_medico, &QRadioButton::toggled, this, [this](bool medico) {
        m_lblConselho->setText(medico ? QStringLiteral("CRM :") : QStringLiteral("CRO :"));
    });
}

QString TfrmCadResponsavelTecnico::tipo() const
{
    return m_dentista->isChecked() ? QStringLiteral("O") : QStringLiteral("M");
}

QString TfrmCadResponsavelTecnico::numero() const
{
    return m_conselho->text().trimmed();
}

bool TfrmCadResponsavelTecnico::CriticaDados()
{
    if (!numero().isEmpty())
        return true;
    MostraAvisoPreenchimento({m_dentista->isChecked() ? QStringLiteral(">> CRO") : QStringLiteral(">> CRM")}, this);
    m_conselho->setFocus();
    return false;
}

} // namespace kelpa
