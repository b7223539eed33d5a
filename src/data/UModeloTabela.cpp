#include "data/UModeloTabela.h"

#include "data/UTabelaMemoria.h"

TModeloTabela::TModeloTabela(TTabelaMemoria &tabela, QObject *parent)
    : QAbstractTableModel(parent), tabela(&tabela)
{
    tabela.AdicionarObservador(this);
    if (tabela.ControlesDesabilitados())
        ControlesDesabilitados();
}

TModeloTabela::~TModeloTabela()
{
    if (tabela)
        tabela->RemoverObservador(this);
}

void TModeloTabela::DefinirColunas(const QStringList &novos)
{
    if (tabela) {
        for (const QString &nome : novos)
            tabela->IndiceObrigatorio(nome);
    }
    beginResetModel();
    nomes = novos;
    if (colunasCongeladas)
        colunasCongeladas = ColunasVivas();
    endResetModel();
}

int TModeloTabela::LinhasVivas() const
{
    return tabela ? tabela->QuantidadeDeLinhas() : 0;
}

int TModeloTabela::ColunasVivas() const
{
    if (!tabela)
        return 0;
    return nomes.isEmpty() ? tabela->QuantidadeDeColunas() : int(nomes.size());
}

int TModeloTabela::ColunaDaTabela(int secao) const
{
    if (!tabela || secao < 0)
        return -1;
    if (nomes.isEmpty())
        return secao < tabela->QuantidadeDeColunas() ? secao : -1;
    return secao < nomes.size() ? tabela->IndiceDaColuna(nomes[secao]) : -1;
}

int TModeloTabela::rowCount(const QModelIndex &pai) const
{
    if (pai.isValid())
        return 0;
    return linhasCongeladas ? *linhasCongeladas : LinhasVivas();
}

int TModeloTabela::columnCount(const QModelIndex &pai) const
{
    if (pai.isValid())
        return 0;
    return colunasCongeladas ? *colunasCongeladas : ColunasVivas();
}

QVariant TModeloTabela::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || !tabela)
        return {};
    switch (papel) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return tabela->ValorNaLinha(indice.row(), ColunaDaTabela(indice.column()));
    case Qt::UserRole: {
        const TMarcador marcador = tabela->MarcadorNaLinha(indice.row());
        return marcador == MarcadorNulo ? QVariant() : QVariant(marcador);
    }
    default:
        return {};
    }
}

QVariant TModeloTabela::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    // Rows carry no numbers of their own (the view's row indicator only marks the current one).
    if (orientacao == Qt::Vertical && papel == Qt::DisplayRole)
        return {};
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    const int coluna = ColunaDaTabela(secao);
    if (coluna < 0)
        return {};
    const TColunaTabela &c = tabela->Coluna(coluna);
    return titulos.value(c.Nome, c.RotuloExibido());
}

void TModeloTabela::DefinirTitulo(const QString &coluna, const QString &titulo)
{
    titulos.insert(coluna, titulo);
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

Qt::ItemFlags TModeloTabela::flags(const QModelIndex &indice) const
{
    return indice.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                            : Qt::NoItemFlags;
}

void TModeloTabela::AntesDeInserirLinha(int linha)
{
    beginInsertRows({}, linha, linha);
}

void TModeloTabela::DepoisDeInserirLinha()
{
    endInsertRows();
}

void TModeloTabela::AntesDeRemoverLinha(int linha)
{
    beginRemoveRows({}, linha, linha);
}

void TModeloTabela::DepoisDeRemoverLinha()
{
    endRemoveRows();
}

void TModeloTabela::LinhaAlterada(int linha)
{
    if (columnCount() > 0)
        emit dataChanged(index(linha, 0), index(linha, columnCount() - 1));
}

void TModeloTabela::AntesDeReiniciar()
{
    beginResetModel();
}

void TModeloTabela::DepoisDeReiniciar()
{
    endResetModel();
}

void TModeloTabela::CursorMovido(int linha)
{
    emit LinhaCorrenteMudou(linha);
}

void TModeloTabela::ControlesDesabilitados()
{
    linhasCongeladas = LinhasVivas();
    colunasCongeladas = ColunasVivas();
}

void TModeloTabela::ControlesHabilitados()
{
    beginResetModel();
    linhasCongeladas.reset();
    colunasCongeladas.reset();
    endResetModel();
    emit LinhaCorrenteMudou(tabela ? tabela->PosicaoCorrente() : -1);
}

void TModeloTabela::TabelaDestruida()
{
    beginResetModel();
    tabela = nullptr;
    linhasCongeladas.reset();
    colunasCongeladas.reset();
    endResetModel();
}
