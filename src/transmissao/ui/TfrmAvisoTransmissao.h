#pragma once

#include "exportacao/ui/ValidacaoEnvioJanela.h"

#include "app/ui/TfrmModDlgConfirmaCancela.h"

#include <QSqlDatabase>

namespace kelpa {

class TransmissaoInternet;

// "Aviso Importante": how to connect before sending; Confirm opens the transmission.
class TfrmAvisoTransmissao : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    TfrmAvisoTransmissao(const QSqlDatabase &db, const QString &codOper, QWidget *parent = nullptr);

    // Passed on to the transmission dialog.
    void setValidacao(ValidacaoEnvioJanela validacao) { m_validacao = std::move(validacao); }
    void setPreparar(std::function<void(TransmissaoInternet &)> preparar) { m_preparar = std::move(preparar); }

protected:
    void GravaDados() override;

private:
    QSqlDatabase m_db;
    QString m_codOper;
    ValidacaoEnvioJanela m_validacao;
    std::function<void(TransmissaoInternet &)> m_preparar;
};

} // namespace kelpa
