#pragma once

#include "app/ui/TfrmModDlgConfirmaCancela.h"

#include <QDate>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kelpa {

// Base of the dialogs that edit one row of a registration list (an administrator, a
// shareholder, a branch...). Confirm stays disabled until something changes; the
// check lists what is missing in the filling-error notice, then tells a wrong value;
// the save runs in one transaction, and when it fails the dialog stays open with
// everything typed. A dialog states its fields, its checks and its save.
class TfrmDlgLinhaCadastro : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    explicit TfrmDlgLinhaCadastro(QWidget *parent = nullptr);

    bool ativado() const { return m_ativado; }

    // A date box "dd/mm/aaaa" that may be left empty.
    static QLineEdit *novoCampoData(QWidget *pai, const QString &nome, const QString &dica);
    // The date typed; null when the box is empty or the text is not a date.
    static QDate dataDoCampo(const QLineEdit *campo);
    static bool campoDataVazio(const QLineEdit *campo);
    static void mostraData(QLineEdit *campo, const QDate &data);
    // A field's caption; a required field's carries a red asterisk.
    static QLabel *rotuloCampo(const QString &texto, bool obrigatorio, QWidget *pai);

public slots:
    // Something changed: Confirm may be pressed (not while the dialog fills its boxes).
    void alterado();

protected:
    // Fills the boxes, on the first showing only.
    virtual void abrir() {}
    // What the filling-error notice lists; a dialog that asks for one thing at a
    // time says it in erroValores instead.
    virtual QStringList itensFaltantes() { return {}; }
    // The first wrong value, told and focused by the dialog; empty when all is right.
    virtual QString erroValores() { return {}; }
    // Saves the row in one transaction (throws ErroBanco on failure).
    virtual void gravar() = 0;
    // Where the focus goes when the dialog opens and after a failed save.
    virtual QWidget *campoInicial() const { return nullptr; }

    // Any edit of these boxes enables Confirm.
    void vigia(QLineEdit *campo);
    void vigia(QComboBox *campo);
    // "Data inválida" on leaving a date box that holds something that is not a date.
    void conferirDataAoSair(QLineEdit *campo);
    // The words of that message, where a window has its own.
    void setMensagemDataInvalida(const QString &texto) { m_mensagemDataInvalida = texto; }

    bool CriticaDados() override;
    void GravaDados() override;
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void conferirData(QLineEdit *campo);
    // Tells and focuses a date box holding something that is not a date.
    bool recusaDataInvalida(QLineEdit *campo);

    bool m_ativado = false;
    bool m_conferindo = false;
    QList<QLineEdit *> m_datasConferidas;
    QString m_mensagemDataInvalida = QStringLiteral("Data inválida");
};

} // namespace kelpa
