#include "TfrmMontaBalancoPatrimonial.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace kelpa {

TfrmMontaBalancoPatrimonial::TfrmMontaBalancoPatrimonial(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmMontaBalancoPatrimonial"));
    setWindowTitle(QStringLiteral("Monta Estrutura Econômico-Financeiro"));
    auto *rotulo = new QLabel(QStringLiteral("Aguarde o processamento ...................."), this);
    m_pb1 = new QProgressBar(this);
    m_pb1->setObjectName(QStringLiteral("pgbPB1"));
    m_pb2 = new QProgressBar(this);
    m_pb2->setObjectName(QStringLiteral("pgbPB2"));
    for (QProgressBar *b : {m_pb1, m_pb2}) {
        b->setRange(0, 1);
        b->setValue(0);
        b->setTextVisible(false);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rotulo);
    layout->addWidget(m_pb1);
    layout->addWidget(m_pb2);
    setFixedWidth(360);
}

void TfrmMontaBalancoPatrimonial::avancar(int barra, int posicao, int maximo)
{
    QProgressBar *b = barra == 1 ? m_pb1 : m_pb2;
    b->setRange(0, std::max(1, maximo));
    b->setValue(std::clamp(posicao, 0, std::max(1, maximo)));
}

void TfrmMontaBalancoPatrimonial::executar(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre,
                                           QWidget *parent, const std::function<void(MontagemEstrutura &)> &montagem)
{
    std::unique_ptr<TfrmMontaBalancoPatrimonial> janela;
    MontagemEstrutura montador(db, codOper, trimestre, [&janela, parent](int barra, int posicao, int maximo) {
        if (!janela) {
            if (barra != 2 || maximo <= 0)
                return;
            janela = std::make_unique<TfrmMontaBalancoPatrimonial>(parent);
            if (parent)
                janela->move(parent->window()->geometry().center() - QPoint(180, 50));
            janela->show();
        }
        janela->avancar(barra, posicao, maximo);
        if (posicao == 0 || posicao == maximo || posicao % 50 == 0)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    montagem(montador);
}

} // namespace kelpa
