#pragma once

#include "quadros/demonstracoes/MontagemEstrutura.h"

#include <QDialog>

class QProgressBar;

namespace kelpa {

// "Monta Estrutura Econômico-Financeiro": the progress of the creation of a
// quarter's value rows.
class TfrmMontaBalancoPatrimonial : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmMontaBalancoPatrimonial(QWidget *parent = nullptr);

    QProgressBar *pgbPB1() const { return m_pb1; }
    QProgressBar *pgbPB2() const { return m_pb2; }
    void avancar(int barra, int posicao, int maximo);

    // Runs the assemblies that `montagem` chooses for the operator and quarter. The
    // window only appears once there are rows to create, so that opening a quarter
    // that is complete shows nothing.
    static void executar(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre, QWidget *parent,
                         const std::function<void(MontagemEstrutura &)> &montagem);

private:
    QProgressBar *m_pb1 = nullptr;
    QProgressBar *m_pb2 = nullptr;
};

} // namespace kelpa
