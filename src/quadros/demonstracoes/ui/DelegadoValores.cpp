#include "DelegadoValores.h"

#include "ModeloValores.h"

#include "app/ui/MensagemDlg.h"
#include "quadros/demonstracoes/Moeda.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QValidator>

namespace kelpa {

namespace {

const char *const kTextoInicial = "kelpaTextoInicial";

// Refuses, as the user types, anything that cannot become an amount.
class ValidadorValor : public QValidator
{
public:
    ValidadorValor(bool aceitaNegativo, QObject *parent)
        : QValidator(parent)
        , m_aceitaNegativo(aceitaNegativo)
    {
    }
    State validate(QString &texto, int &) const override
    {
        return DelegadoValores::textoAceitavel(texto, m_aceitaNegativo) ? Acceptable : Invalid;
    }

private:
    bool m_aceitaNegativo;
};

ModeloValores *modeloDe(const QModelIndex &indice)
{
    return qobject_cast<ModeloValores *>(const_cast<QAbstractItemModel *>(indice.model()));
}

} // namespace

DelegadoValores::DelegadoValores(QObject *parent)
    : DelegadoGrade(parent)
{
}

bool DelegadoValores::textoAceitavel(const QString &texto, bool aceitaNegativo)
{
    static const QRegularExpression comSinal(QStringLiteral(R"(^-?[0-9.]*(,[0-9]*)?$)"));
    static const QRegularExpression semSinal(QStringLiteral(R"(^[0-9.]*(,[0-9]*)?$)"));
    return (aceitaNegativo ? comSinal : semSinal).match(texto).hasMatch();
}

QWidget *DelegadoValores::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &indice) const
{
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("edtValor"));
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const ModeloValores *modelo = modeloDe(indice);
    editor->setValidator(new ValidadorValor(!modelo || modelo->aceitaNegativo(indice), editor));
    editor->setMaxLength(modelo ? modelo->tamanhoMaximo(indice) : 22);
    const QPersistentModelIndex persistente(indice);
    QPointer<QLineEdit> guarda(editor);
    connect(editor, &QLineEdit::textEdited, this, [this, guarda, persistente](const QString &texto) {
        if (guarda)
            digitado(guarda, persistente, texto);
    });
    editor->installEventFilter(const_cast<DelegadoValores *>(this));
    emit const_cast<DelegadoValores *>(this)->edicaoIniciada(indice);
    return editor;
}

void DelegadoValores::setEditorData(QWidget *editor, const QModelIndex &indice) const
{
    auto *linha = qobject_cast<QLineEdit *>(editor);
    // Only when the editor opens: recomputed totals must never overwrite what is being typed.
    if (!linha || linha->property(kTextoInicial).isValid())
        return;
    const QString texto = indice.data(Qt::EditRole).toString();
    linha->setText(texto);
    linha->setProperty(kTextoInicial, texto);
    linha->selectAll();
}

void DelegadoValores::setModelData(QWidget *editor, QAbstractItemModel *modelo, const QModelIndex &indice) const
{
    auto *linha = qobject_cast<QLineEdit *>(editor);
    if (!linha)
        return;
    // Moving through cells without typing writes nothing.
    if (linha->text() == linha->property(kTextoInicial).toString())
        return;
    linha->setProperty(kTextoInicial, linha->text());
    modelo->setData(indice, linha->text(), Qt::EditRole);
}

void DelegadoValores::destroyEditor(QWidget *editor, const QModelIndex &indice) const
{
    if (ModeloValores *modelo = modeloDe(indice))
        modelo->encerrarPrevia();
    DelegadoGrade::destroyEditor(editor, indice);
}

void DelegadoValores::digitado(QWidget *editor, const QPersistentModelIndex &indice, const QString &texto) const
{
    auto *linha = qobject_cast<QLineEdit *>(editor);
    ModeloValores *modelo = modeloDe(indice);
    if (!linha || !modelo || !indice.isValid())
        return;
    QPalette p = linha->palette();
    const auto valor = Moeda::ler(texto);
    p.setColor(QPalette::Text, valor && valor->negativo() ? QColor(Qt::red) : QColor(Qt::black));
    linha->setPalette(p);

    const QString erro = modelo->previa(indice, texto);
    if (erro.isEmpty())
        return;
    // The amount is refused at once: the cell starts over from zero before the
    // message takes the focus, so that nothing refused is ever accepted.
    const QString zero = Moeda().texto();
    linha->setText(zero);
    modelo->previa(indice, zero);
    auto *grade = qobject_cast<QAbstractItemView *>(linha->parentWidget() ? linha->parentWidget()->parentWidget() : nullptr);
    QPointer<QLineEdit> guarda(linha);
    QPointer<QAbstractItemView> guardaGrade(grade);
    MensagemDlg(erro, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, grade ? grade->window() : nullptr);
    // The focus goes back to the cell.
    if (guarda) {
        guarda->setFocus();
        guarda->selectAll();
    } else if (guardaGrade && indice.isValid()) {
        guardaGrade->setCurrentIndex(indice);
        guardaGrade->edit(indice);
    }
}

void DelegadoValores::initStyleOption(QStyleOptionViewItem *opcao, const QModelIndex &indice) const
{
    const QVariant estado = indice.data(PapelEstadoTransmissao);
    DelegadoGrade::initStyleOption(opcao, indice);
    const QVariant fonte = indice.data(Qt::FontRole);
    if (fonte.isValid()) {
        const QFont f = qvariant_cast<QFont>(fonte);
        opcao->font.setBold(f.bold());
        opcao->font.setItalic(f.italic());
    }
    if (opcao->state & QStyle::State_Selected)
        return;
    if (!(indice.flags() & Qt::ItemIsEditable))
        opcao->backgroundBrush = opcao->palette.color(QPalette::Button);
    if (!estado.isValid())
        opcao->palette.setColor(QPalette::Text, Qt::black);
    const QVariant cor = indice.data(Qt::ForegroundRole);
    if (cor.isValid())
        opcao->palette.setColor(QPalette::Text, qvariant_cast<QColor>(cor));
}

bool DelegadoValores::eventFilter(QObject *objeto, QEvent *evento)
{
    auto *editor = qobject_cast<QLineEdit *>(objeto);
    if (editor && evento->type() == QEvent::KeyPress) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        const bool semModificador = !(tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier));
        if (semModificador && (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter || tecla->key() == Qt::Key_Down)) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit avancarPedido();
            return true;
        }
    }
    return DelegadoGrade::eventFilter(objeto, evento);
}

} // namespace kelpa
