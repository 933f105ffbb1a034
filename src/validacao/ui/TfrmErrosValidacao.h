#pragma once

#include <QDialog>

class QPushButton;

namespace kelpa::validacao {

// "AVISO": what the internet sending says after a validation left errors that
// block it, before it gives up.
class TfrmErrosValidacao : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmErrosValidacao(QWidget *parent = nullptr);
    QPushButton *btnRetornar() const { return m_retornar; }

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    QPushButton *m_retornar = nullptr;
    bool m_fechando = false;
};

} // namespace kelpa::validacao
