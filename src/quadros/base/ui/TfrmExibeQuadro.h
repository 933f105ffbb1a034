#pragma once

#include "ContextoQuadro.h"

#include <QDialog>
#include <QPointer>

namespace kelpa {

class TfraModeloQuadroPeriodo;

// The modal window that shows one quadro. Confirm, Cancel, Esc and closing the
// window all go through the quadro's own checks.
class TfrmExibeQuadro : public QDialog
{
    Q_OBJECT

public:
    TfrmExibeQuadro(ContextoQuadro &contexto, int numeroQuadro, const QString &tipoConta = {}, QWidget *parent = nullptr);

    int NumeroQuadro() const { return m_numero; }
    QString TipoConta() const { return m_tipoConta; }
    // The quadro shown (null when the number has none).
    TfraModeloQuadroPeriodo *quadro() const { return m_quadro; }
    static TfraModeloQuadroPeriodo *QuadroAtual();

    int exec() override;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    int m_numero;
    QString m_tipoConta;
    TfraModeloQuadroPeriodo *m_quadro = nullptr;
    bool m_concluindo = false;
};

} // namespace kelpa
