#include "TfrmAvisoTransmissao.h"

#include "TfrmTransmitirInternet.h"

#include "app/Configuracao.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelpa {

TfrmAvisoTransmissao::TfrmAvisoTransmissao(const QSqlDatabase &db, const QString &codOper, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_db(db)
    , m_codOper(codOper)
{
    setObjectName(QStringLiteral("frmAvisoTransmissao"));
    setWindowTitle(QStringLiteral("Aviso Importante"));
    setMostraMensagem(false);

    const auto rotulo = [this](const QString &texto, bool titulo, const char *nome) {
        auto *l = new QLabel(texto, areaConteudo());
        l->setObjectName(QLatin1String(nome));
        l->setWordWrap(true);
        if (titulo) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        return l;
    };
    auto *coluna = new QVBoxLayout(areaConteudo());
    coluna->setContentsMargins(20, 16, 20, 12);
    coluna->setSpacing(6);
    auto *leia = rotulo(QStringLiteral("Leia com atenção as instruções a seguir, antes de fazer a Transmissão de Dados."),
                        true, "lblLeia");
    QFont destaque = leia->font();
    destaque.setPointSizeF(destaque.pointSizeF() * 1.1);
    leia->setFont(destaque);
    coluna->addWidget(leia);
    coluna->addSpacing(8);
    coluna->addWidget(rotulo(QStringLiteral("Conexão com a Internet via Modem:"), true, "lblModem"));
    coluna->addWidget(rotulo(QStringLiteral("1. Conecte o seu computador a Internet."), false, "lblModem1"));
    coluna->addSpacing(8);
    coluna->addWidget(rotulo(QStringLiteral("Conexão com a Internet via Rede Local:"), true, "lblRede"));
    coluna->addWidget(rotulo(QStringLiteral("1. Verifique com o responsável pela rede da sua empresa se estão liberadas\n"
                                            "a porta 80 e as portas 20000 a 20019, no protocolo TCP/IP,\n"
                                            "para o servidor de recepção da QOR (%1).\n"
                                            "Sem essa liberação a transmissão não poderá ser concluída.")
                                 .arg(Configuracao::hostPadrao()),
                             false, "lblRede1"));
    coluna->addStretch(1);
    resize(560, 260);
}

void TfrmAvisoTransmissao::GravaDados()
{
    TfrmTransmitirInternet transmissao(m_db, m_codOper, this);
    if (m_validacao)
        transmissao.setValidacao(m_validacao);
    if (m_preparar)
        transmissao.setPreparar(m_preparar);
    transmissao.exec();
}

} // namespace kelpa
