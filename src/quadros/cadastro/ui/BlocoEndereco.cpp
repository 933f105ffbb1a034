#include "BlocoEndereco.h"

#include "ValidadorCampo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

QString soDigitos(const QString &texto)
{
    QString r;
    for (const QChar c : texto)
        if (c.isDigit())
            r.append(c);
    return r;
}

QVBoxLayout *campoRotulado(QWidget *grupo, const QString &rotulo, QWidget *caixa, QWidget *botao)
{
    auto *coluna = new QVBoxLayout;
    coluna->setSpacing(2);
    coluna->addWidget(new QLabel(rotulo, grupo));
    if (!botao) {
        coluna->addWidget(caixa);
        return coluna;
    }
    auto *linha = new QHBoxLayout;
    linha->setSpacing(0);
    linha->addWidget(caixa, 1);
    linha->addWidget(botao);
    coluna->addLayout(linha);
    return coluna;
}

QToolButton *botaoSelecao(QWidget *pai, const QString &nome)
{
    auto *b = new QToolButton(pai);
    b->setObjectName(nome);
    b->setText(QStringLiteral("..."));
    b->setToolTip(QStringLiteral("Abre diálogo de seleção."));
    return b;
}

CaixasEndereco criaCaixasEndereco(QWidget *grupo, QBoxLayout *destino, const RotulosEndereco &rotulos, const QString &sufixo)
{
    CaixasEndereco c;
    auto caixa = [grupo, &sufixo](const char *nome) {
        auto *e = new QLineEdit(grupo);
        e->setObjectName(QLatin1String(nome) + sufixo);
        return e;
    };
    c.logradouro = caixa("edtLogradouro");
    ValidadorCampo::maiusculas(c.logradouro, 80);
    c.numero = caixa("edtNumero");
    c.numero->setFixedWidth(60);
    c.complemento = caixa("edtComplemento");
    ValidadorCampo::maiusculas(c.complemento, 15);
    c.bairro = caixa("edtBairro");
    ValidadorCampo::maiusculas(c.bairro, 20);
    c.municipio = caixa("edtMunicipio");
    c.municipio->setReadOnly(true);
    c.municipio->setToolTip(QStringLiteral("Escolha o município pelo botão ao lado."));
    c.btnMunicipio = botaoSelecao(grupo, QStringLiteral("btnMunicipio") + sufixo);
    c.uf = caixa("edtUF");
    c.uf->setReadOnly(true);
    c.uf->setFocusPolicy(Qt::NoFocus);
    c.uf->setFixedWidth(40);
    c.cep = caixa("edtCEP");
    c.cep->setInputMask(QStringLiteral("00000-000;_"));
    c.cep->setFixedWidth(90);

    auto *linha1 = new QHBoxLayout;
    linha1->addLayout(campoRotulado(grupo, rotulos.logradouro, c.logradouro), 4);
    linha1->addLayout(campoRotulado(grupo, QStringLiteral("Nº"), c.numero));
    linha1->addLayout(campoRotulado(grupo, rotulos.complemento, c.complemento), 2);
    auto *linha2 = new QHBoxLayout;
    linha2->addLayout(campoRotulado(grupo, rotulos.bairro, c.bairro), 2);
    linha2->addLayout(campoRotulado(grupo, QStringLiteral("Município"), c.municipio, c.btnMunicipio), 3);
    linha2->addLayout(campoRotulado(grupo, QStringLiteral("UF"), c.uf));
    linha2->addLayout(campoRotulado(grupo, QStringLiteral("CEP"), c.cep));
    destino->addLayout(linha1);
    destino->addLayout(linha2);
    return c;
}

QTableWidget *criaGradeTelefones(QWidget *pai)
{
    auto *grade = new QTableWidget(0, 3, pai);
    grade->setObjectName(QStringLiteral("grdTelefones"));
    grade->setHorizontalHeaderLabels({QStringLiteral("Área"), QStringLiteral("Número"), QStringLiteral("Ramal")});
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->verticalHeader()->hide();
    grade->verticalHeader()->setDefaultSectionSize(20);
    grade->horizontalHeader()->setStretchLastSection(true);
    grade->setColumnWidth(0, 55);
    grade->setColumnWidth(1, 95);
    grade->setMinimumWidth(230);
    grade->horizontalHeader()->setMinimumSectionSize(30);
    grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grade;
}

void mostraTelefones(QTableWidget *grade, const QList<Telefone> &telefones)
{
    grade->setRowCount(static_cast<int>(telefones.size()));
    for (int i = 0; i < telefones.size(); ++i) {
        const Telefone &t = telefones.at(i);
        const QString area = t.exterior() ? QStringLiteral("(+%1)").arg(t.ddi.trimmed()) : QStringLiteral("(%1)").arg(t.ddd.trimmed());
        const QString ramal = t.ramal.trimmed().isEmpty() ? QString() : QStringLiteral("R. ") + t.ramal.trimmed();
        grade->setItem(i, 0, new QTableWidgetItem(area));
        grade->setItem(i, 1, new QTableWidgetItem(t.numero.trimmed()));
        grade->setItem(i, 2, new QTableWidgetItem(ramal));
    }
}

BotoesTelefone criaBotoesTelefone(QWidget *pai)
{
    auto botao = [pai](const char *nome, QStyle::StandardPixmap icone, const QString &dica) {
        auto *b = new QToolButton(pai);
        b->setObjectName(QLatin1String(nome));
        b->setIcon(pai->style()->standardIcon(icone));
        b->setToolTip(dica);
        return b;
    };
    return {botao("btIncluirTelefone", QStyle::SP_FileDialogNewFolder, QStringLiteral("Inclui telefone")),
            botao("btEditarTelefone", QStyle::SP_FileDialogContentsView, QStringLiteral("Edita telefone")),
            botao("btExcluirTelefone", QStyle::SP_TrashIcon, QStringLiteral("Exclui telefone"))};
}

void dispoeTelefones(QGroupBox *grupo, QTableWidget *grade, const BotoesTelefone &botoes)
{
    auto *lt = new QHBoxLayout(grupo);
    lt->addWidget(grade, 1);
    auto *coluna = new QVBoxLayout;
    coluna->addWidget(botoes.incluir);
    coluna->addWidget(botoes.editar);
    coluna->addWidget(botoes.excluir);
    coluna->addStretch(1);
    lt->addLayout(coluna);
}

void dispoeFax(QGroupBox *grupo, QCheckBox *exterior, QLabel *lblCodigo, QLineEdit *codigo, QLineEdit *numero)
{
    auto *lf = new QGridLayout(grupo);
    lf->addWidget(exterior, 0, 0, 1, 2);
    lf->addWidget(lblCodigo, 1, 0);
    lf->addWidget(new QLabel(QStringLiteral("Número"), grupo), 1, 1);
    lf->addWidget(codigo, 2, 0);
    lf->addWidget(numero, 2, 1);
    lf->setRowStretch(3, 1);
}

} // namespace kelpa
