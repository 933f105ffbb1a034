#pragma once

#include "exportacao/ui/ValidacaoEnvioJanela.h"

#include <QDialog>
#include <QSqlDatabase>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelpa {

class TransmissaoInternet;

// "Transmissão pela Internet": asks for the operator's sending password, then
// validates, exports, and hands the file to the transmission client, which talks to
// the user itself. The dialog closes when the hand-off ends, also after a failure.
class TfrmTransmitirInternet : public QDialog
{
    Q_OBJECT

public:
    TfrmTransmitirInternet(const QSqlDatabase &db, const QString &codOper, QWidget *parent = nullptr);

    // Defaults to validarParaEnvio.
    void setValidacao(ValidacaoEnvioJanela validacao) { m_validacao = std::move(validacao); }
    // Applied to the job before it runs (tests point it at their own directories).
    void setPreparar(std::function<void(TransmissaoInternet &)> preparar) { m_preparar = std::move(preparar); }

    QLineEdit *edSenha() const { return m_edSenha; }
    QPushButton *btnConfirma() const { return m_btnConfirma; }
    QPushButton *btnCancela() const { return m_btnCancela; }
    // True while the client runs (both buttons are disabled then).
    bool transmitindo() const { return m_transmitindo; }

public slots:
    void btnConfirmaClick();
    void reject() override;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    void changeEvent(QEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void avisarSenhaObrigatoria();

    QSqlDatabase m_db;
    QString m_codOper;
    ValidacaoEnvioJanela m_validacao;
    std::function<void(TransmissaoInternet &)> m_preparar;
    QLineEdit *m_edSenha = nullptr;
    QPushButton *m_btnConfirma = nullptr;
    QPushButton *m_btnCancela = nullptr;
    bool m_avisoPendente = false;
    bool m_ativada = false;
    bool m_ocupado = false;
    bool m_transmitindo = false;
};

} // namespace kelpa
