#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace kelpa {

// Base of every input dialog: Confirm checks the input first (`CriticaDados`) and
// only then saves (`GravaDados`); a failed check, or a save that fails, keeps the
// window open so nothing typed is lost. Cancel, Esc and closing the window write nothing.
class TfrmModDlgConfirmaCancela : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmModDlgConfirmaCancela(QWidget *parent = nullptr);

    void setMostraMensagem(bool mostra);
    bool mostraMensagem() const { return m_mostraMensagem; }

    QPushButton *btnConfirmar() const { return m_btnConfirmar; }
    QPushButton *btnDesfaz() const { return m_btnDesfaz; }
    QLabel *lblMensagem() const { return m_lblMensagem; }

public slots:
    void btnConfirmarClick();

protected:
    // Checks the input; shows what is wrong (naming the field) and returns false to keep the dialog open.
    virtual bool CriticaDados() { return true; }
    // Saves; may close with another result (setResultadoModal) or stay open
    // (permanecerAberto). Throwing keeps the dialog open and shows the error.
    virtual void GravaDados() {}

    void setResultadoModal(int resultado) { m_resultadoModal = resultado; }
    void permanecerAberto() { m_resultadoModal = kPermanecer; }
    // Where derived dialogs put their boxes, above the bottom panel.
    QWidget *areaConteudo() const { return m_conteudo; }
    void showEvent(QShowEvent *evento) override;

private:
    static constexpr int kPermanecer = -1;
    QWidget *m_conteudo = nullptr;
    QLabel *m_lblMensagem = nullptr;
    QPushButton *m_btnConfirmar = nullptr;
    QPushButton *m_btnDesfaz = nullptr;
    bool m_mostraMensagem = false;
    int m_resultadoModal = QDialog::Accepted;
};

} // namespace kelpa
