#include "TfrmCadastroTelefone.h"

#include "ValidadorCampo.h"

#include "app/banco/ErroBanco.h"
#include "app/ui/MensagemDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelpa {

TfrmCadastroTelefone::TfrmCadastroTelefone(const QSqlDatabase &db, const QString &codOper, int idPsoa, const QDate &dataDados,
                                           int sequencia, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_pessoas(db, codOper)
    , m_idPsoa(idPsoa)
    , m_data(dataDados)
    , m_sequencia(sequencia)
{
    setObjectName(QStringLiteral("frmCadastroTelefone"));
    setWindowTitle(QStringLiteral("Cadastro de Telefone"));

    m_exterior = new QCheckBox(QStringLiteral("Exterior"), areaConteudo());
    m_exterior->setObjectName(QStringLiteral("chkExterior"));
    m_exterior->setToolTip(QStringLiteral("Caso a operadora esteja localizada no exterior,\r\nclick neste campo."));
    m_lblCodigo = new QLabel(QStringLiteral("DDD"), areaConteudo());
    m_codigo = new QLineEdit(areaConteudo());
    m_codigo->setObjectName(QStringLiteral("edtDDD"));
    ValidadorCampo::digitos(m_codigo, 4);
    m_codigo->setFixedWidth(60);
    auto *lblNumero = new QLabel(QStringLiteral("Número"), areaConteudo());
    m_numero = new QLineEdit(areaConteudo());
    m_numero->setObjectName(QStringLiteral("edtTelefone"));
    ValidadorCampo::digitos(m_numero, 8);
    m_numero->setFixedWidth(110);
    auto *lblRamal = new QLabel(QStringLiteral("Ramal"), areaConteudo());
    m_ramal = new QLineEdit(areaConteudo());
    m_ramal->setObjectName(QStringLiteral("edtRamal"));
    ValidadorCampo::digitos(m_ramal, 4);
    m_ramal->setFixedWidth(60);

    auto *grade = new QGridLayout(areaConteudo());
    grade->addWidget(m_exterior, 1, 0);
    grade->addWidget(m_lblCodigo, 0, 1);
    grade->addWidget(m_codigo, 1, 1);
    grade->addWidget(lblNumero, 0, 2);
    grade->addWidget(m_numero, 1, 2);
    grade->addWidget(lblRamal, 0, 3);
    grade->addWidget(m_ramal, 1, 3);
    grade->setColumnStretch(4, 1);

    if (m_sequencia > 0) {
        if (const auto t = m_pessoas.TelefonePorSequencia(m_idPsoa, m_data, m_sequencia)) {
            m_exterior->setChecked(t->exterior());
            m_codigo->setText(t->codigo());
            m_numero->setText(t->numero);
            m_ramal->setText(t->ramal);
        }
    }
    exteriorMudou();
    connect(m_exterior, &QCheckBox::toggled, this, &TfrmCadastroTelefone::exteriorMudou);
}

void TfrmCadastroTelefone::exteriorMudou()
{
    m_lblCodigo->setText(m_exterior->isChecked() ? QStringLiteral("DDI+") : QStringLiteral("DDD"));
    // Numbers abroad are longer than the 8 digits of a Brazilian line.
    m_numero->setMaxLength(m_exterior->isChecked() ? 12 : 8);
}

bool TfrmCadastroTelefone::CriticaDados()
{
    QString mensagem;
    QLineEdit *campo = nullptr;
    if (m_codigo->text().trimmed().isEmpty()) {
        mensagem = m_exterior->isChecked() ? QStringLiteral("Digite o código do DDI.") : QStringLiteral("Digite o código do DDD.");
        campo = m_codigo;
    } else if (m_numero->text().trimmed().isEmpty()) {
        mensagem = QStringLiteral("Digite o número do telefone.");
        campo = m_numero;
    }
    if (!campo)
        return true;
    MensagemDlg(mensagem, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    campo->setFocus();
    return false;
}

void TfrmCadastroTelefone::GravaDados()
{
    Telefone t;
    t.sequencia = m_sequencia;
    if (m_exterior->isChecked())
        t.ddi = m_codigo->text().trimmed();
    else
        t.ddd = m_codigo->text().trimmed();
    t.numero = m_numero->text().trimmed();
    t.ramal = m_ramal->text().trimmed();
    try {
        m_sequencia = m_pessoas.GravaTelefone(m_idPsoa, m_data, t);
    } catch (const ErroBanco &e) {
        throw ErroBanco(QStringLiteral("Houve um erro na gravação.\rTente novamente..."), e.textoCompleto());
    }
}

} // namespace kelpa
