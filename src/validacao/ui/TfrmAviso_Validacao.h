#pragma once

#include <QDialog>

class QLabel;

namespace kelpa::validacao {

// The little window a validation run shows while it works: "Aguarde o processamento
// das Validações ......" beside a turning wheel. Modeless; the run repaints it
// between its steps.
class TfrmAviso_Validacao : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAviso_Validacao(QWidget *parent = nullptr);
    QLabel *lblTexto() const { return m_texto; }

protected:
    void showEvent(QShowEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    QLabel *m_texto = nullptr;
};

} // namespace kelpa::validacao
