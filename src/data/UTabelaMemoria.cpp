#include "data/UTabelaMemoria.h"

#include "panel/UErro.h"

#include <algorithm>

using namespace Qt::StringLiterals;

// Marks a filter or calculation callback as running: the table refuses changes meanwhile.
class TTabelaMemoria::TGuardaPura {
public:
    explicit TGuardaPura(const TTabelaMemoria &tabela) : tabela(tabela) { ++tabela.chamadasPuras; }
    ~TGuardaPura() { --tabela.chamadasPuras; }
    TGuardaPura(const TGuardaPura &) = delete;
    TGuardaPura &operator=(const TGuardaPura &) = delete;

private:
    const TTabelaMemoria &tabela;
};

TTabelaMemoria::TTabelaMemoria(QString nome) : nome(std::move(nome)) {}

TTabelaMemoria::~TTabelaMemoria()
{
    NotificarSempre([](TObservadorTabela &o) { o.TabelaDestruida(); });
}

// ---- columns

void TTabelaMemoria::AdicionarColuna(TColunaTabela coluna)
{
    VerificarAlteravel();
    if (ativa)
        throw TErro(u"ATENÇÃO:\r\nA tabela %1 está aberta: feche-a antes de definir colunas."_s.arg(nome));
    if (coluna.Nome.trimmed().isEmpty())
        throw TErro(u"ATENÇÃO:\r\nColuna sem nome na tabela %1."_s.arg(nome));
    if (IndiceDaColuna(coluna.Nome) >= 0)
        throw TErro(u"ATENÇÃO:\r\nA coluna %1 já existe na tabela %2."_s.arg(coluna.Nome, nome));
    coluna.Padrao = coluna.Calculada ? QVariant() : coluna.Normalizar(coluna.Padrao);
    Notificar([](TObservadorTabela &o) { o.AntesDeReiniciar(); });
    indicePorNome.insert(coluna.Nome.toUpper(), int(colunas.size()));
    colunas.push_back(std::move(coluna));
    linhaVazia.append(QVariant());
    Notificar([](TObservadorTabela &o) { o.DepoisDeReiniciar(); });
}

void TTabelaMemoria::RemoverColunas()
{
    VerificarAlteravel();
    if (ativa)
        throw TErro(u"ATENÇÃO:\r\nA tabela %1 está aberta: feche-a antes de definir colunas."_s.arg(nome));
    Notificar([](TObservadorTabela &o) { o.AntesDeReiniciar(); });
    colunas.clear();
    indicePorNome.clear();
    linhaVazia.clear();
    ordem.clear();
    chaveOrdem.clear();
    Notificar([](TObservadorTabela &o) { o.DepoisDeReiniciar(); });
}

int TTabelaMemoria::IndiceDaColuna(const QString &nomeColuna) const
{
    return indicePorNome.value(nomeColuna.trimmed().toUpper(), -1);
}

int TTabelaMemoria::IndiceObrigatorio(const QString &nomeColuna) const
{
    const int indice = IndiceDaColuna(nomeColuna);
    if (indice < 0)
        throw TErro(u"ATENÇÃO:\r\nA coluna %1 não existe na tabela %2."_s.arg(nomeColuna, nome));
    return indice;
}

const TColunaTabela *TTabelaMemoria::ProcurarColuna(const QString &nomeColuna) const
{
    const int indice = IndiceDaColuna(nomeColuna);
    return indice < 0 ? nullptr : &colunas[indice];
}

std::vector<int> TTabelaMemoria::ResolverColunas(const QString &lista) const
{
    std::vector<int> indices;
    const QStringList nomes = lista.split(u';', Qt::SkipEmptyParts);
    for (const QString &nomeColuna : nomes) {
        if (!nomeColuna.trimmed().isEmpty())
            indices.push_back(IndiceObrigatorio(nomeColuna));
    }
    return indices;
}

// ---- open and close

void TTabelaMemoria::Abrir()
{
    Recriar(true);
}

void TTabelaMemoria::Fechar()
{
    if (ativa)
        Recriar(false);
}

void TTabelaMemoria::DefinirAtiva(bool ativar)
{
    if (ativar && !ativa)
        Abrir();
    else if (!ativar)
        Fechar();
}

void TTabelaMemoria::Recriar(bool ativar)
{
    VerificarAlteravel();
    Notificar([](TObservadorTabela &o) { o.AntesDeReiniciar(); });
    base += TMarcador(linhas.size());
    linhas.clear();
    insercao.clear();
    visiveis.clear();
    EncerrarEdicao();
    ativa = ativar;
    estado = ativar ? TEstadoTabela::Navegacao : TEstadoTabela::Inativa;
    Notificar([](TObservadorTabela &o) { o.DepoisDeReiniciar(); });
    DefinirCursor(-1, true, true);
}

// ---- filter and order

void TTabelaMemoria::DefinirFiltrado(bool filtrar)
{
    VerificarAlteravel();
    if (!ativa) {
        filtrado = filtrar;
        return;
    }
    PostarPendente();
    filtrado = filtrar;
    Rejulgar(true);
}

void TTabelaMemoria::DefinirOrdem(const QString &lista)
{
    VerificarAlteravel();
    std::vector<int> chave = ResolverColunas(lista);
    for (int indice : chave) {
        if (colunas[indice].Calculada)
            throw TErro(u"ATENÇÃO:\r\nA coluna calculada %1 não pode ordenar a tabela %2."_s.arg(
                colunas[indice].Nome, nome));
    }
    if (ativa)
        PostarPendente();
    ordem = lista;
    chaveOrdem = std::move(chave);
    if (ativa)
        Rejulgar(false);
}

bool TTabelaMemoria::Passa(const QVector<QVariant> &valores) const
{
    if (!filtrado || !AoFiltrar)
        return true;
    TGuardaPura guarda(*this);
    const auto filtro = AoFiltrar;
    return filtro(TLinhaTabela(*this, valores));
}

bool TTabelaMemoria::Antes(int a, int b) const
{
    const TLinha &linhaA = *linhas[a];
    const TLinha &linhaB = *linhas[b];
    for (int indice : chaveOrdem) {
        const int comparacao = CompararValores(colunas[indice].Tipo, linhaA.Valores[indice],
                                               linhaB.Valores[indice]);
        if (comparacao != 0)
            return comparacao < 0;
    }
    return linhaA.PosicaoInsercao < linhaB.PosicaoInsercao;
}

void TTabelaMemoria::Rejulgar(bool refiltrar)
{
    const int corrente = SlotCorrente();
    std::vector<int> novos;
    if (refiltrar) {
        std::vector<bool> passa;
        passa.reserve(insercao.size());
        for (int slot : insercao)
            passa.push_back(Passa(linhas[slot]->Valores));
        for (size_t i = 0; i < insercao.size(); ++i) {
            linhas[insercao[i]]->Visivel = passa[i];
            if (passa[i])
                novos.push_back(insercao[i]);
        }
    } else {
        novos = visiveis;
    }
    std::sort(novos.begin(), novos.end(), [this](int a, int b) { return Antes(a, b); });

    Notificar([](TObservadorTabela &o) { o.AntesDeReiniciar(); });
    visiveis = std::move(novos);
    Notificar([](TObservadorTabela &o) { o.DepoisDeReiniciar(); });

    const bool vazia = visiveis.empty();
    if (corrente >= 0 && linhas[corrente]->Visivel)
        DefinirCursor(PosicaoVisivel(corrente), false, false);
    else
        DefinirCursor(vazia ? -1 : 0, vazia, true);
}

// ---- positions

int TTabelaMemoria::SlotCorrente() const
{
    return ativa && cursor >= 0 ? visiveis[cursor] : -1;
}

bool TTabelaMemoria::ExisteSlot(int slot) const
{
    return slot >= 0 && slot < int(linhas.size()) && linhas[slot].has_value();
}

// Where a row not among the visible ones belongs in the current order.
int TTabelaMemoria::PosicaoOrdenada(int slot) const
{
    const auto lugar = std::lower_bound(visiveis.begin(), visiveis.end(), slot,
                                        [this](int a, int b) { return Antes(a, b); });
    return int(lugar - visiveis.begin());
}

// The position of a visible row (the order is total, so the search is exact).
int TTabelaMemoria::PosicaoVisivel(int slot) const
{
    return PosicaoOrdenada(slot);
}

void TTabelaMemoria::InserirVisivel(int posicao, int slot)
{
    Notificar([posicao](TObservadorTabela &o) { o.AntesDeInserirLinha(posicao); });
    visiveis.insert(visiveis.begin() + posicao, slot);
    if (cursor >= posicao)
        ++cursor;
    Notificar([](TObservadorTabela &o) { o.DepoisDeInserirLinha(); });
}

void TTabelaMemoria::RemoverVisivel(int posicao)
{
    Notificar([posicao](TObservadorTabela &o) { o.AntesDeRemoverLinha(posicao); });
    visiveis.erase(visiveis.begin() + posicao);
    if (cursor > posicao || cursor >= int(visiveis.size()))
        --cursor;
    Notificar([](TObservadorTabela &o) { o.DepoisDeRemoverLinha(); });
}

// After a post: the row moves to its place in the order, or leaves the visible
// rows when the filter rejects it, and the cursor follows it (or, when it left,
// goes to the row that took its place).
void TTabelaMemoria::Reposicionar(int slot, int posicaoAntiga, bool visivel)
{
    linhas[slot]->Visivel = visivel;
    if (posicaoAntiga >= 0) {
        visiveis.erase(visiveis.begin() + posicaoAntiga);
        const int nova = visivel ? PosicaoOrdenada(slot) : -1;
        visiveis.insert(visiveis.begin() + posicaoAntiga, slot);
        if (nova == posicaoAntiga) {
            Notificar([nova](TObservadorTabela &o) { o.LinhaAlterada(nova); });
        } else {
            RemoverVisivel(posicaoAntiga);
            if (visivel)
                InserirVisivel(nova, slot);
        }
    } else if (visivel) {
        InserirVisivel(PosicaoOrdenada(slot), slot);
    }
    if (visivel)
        DefinirCursor(PosicaoVisivel(slot), false, false);
    else
        DefinirCursor(cursor, posicaoAntiga >= int(visiveis.size()), false);
}

void TTabelaMemoria::InserirNaOrdemDeInsercao(int slot, int ancora)
{
    if (!ExisteSlot(ancora)) {
        linhas[slot]->PosicaoInsercao = insercao.empty() ? 0 : linhas[insercao.back()]->PosicaoInsercao + 1;
        insercao.push_back(slot);
        return;
    }
    const qint64 posicaoAncora = linhas[ancora]->PosicaoInsercao;
    const auto lugar = std::lower_bound(insercao.begin(), insercao.end(), posicaoAncora,
                                        [this](int s, qint64 p) { return linhas[s]->PosicaoInsercao < p; });
    insercao.insert(lugar, slot);
    // Renumbering keeps the relative order of the other rows, so the visible order stays valid.
    for (size_t i = 0; i < insercao.size(); ++i)
        linhas[insercao[i]]->PosicaoInsercao = qint64(i);
}

void TTabelaMemoria::RemoverDaOrdemDeInsercao(int slot)
{
    const qint64 posicao = linhas[slot]->PosicaoInsercao;
    const auto lugar = std::lower_bound(insercao.begin(), insercao.end(), posicao,
                                        [this](int s, qint64 p) { return linhas[s]->PosicaoInsercao < p; });
    insercao.erase(lugar);
}

// ---- cursor

void TTabelaMemoria::DefinirCursor(int posicao, bool noFim, bool noInicio)
{
    cursor = posicao;
    fim = noFim || visiveis.empty();
    inicio = noInicio || visiveis.empty();
    Notificar([posicao](TObservadorTabela &o) { o.CursorMovido(posicao); });
}

// ---- calculated columns

QVariant TTabelaMemoria::ValorDoSlot(const QVector<QVariant> &valores, int coluna) const
{
    return colunas[coluna].Calculada ? ValorCalculado(valores, coluna) : valores[coluna];
}

QVariant TTabelaMemoria::ValorCalculado(const QVector<QVariant> &valores, int coluna) const
{
    if (!AoCalcular)
        return {};
    TGuardaPura guarda(*this);
    QVector<QVariant> copia = valores;
    TLinhaCalculo linha(*this, copia);
    const auto calcular = AoCalcular;
    calcular(linha);
    return copia.at(coluna);
}

// ---- checks

void TTabelaMemoria::VerificarAtiva() const
{
    if (!ativa)
        throw TErro(u"ATENÇÃO:\r\nA tabela %1 está fechada."_s.arg(nome));
}

void TTabelaMemoria::VerificarAlteravel() const
{
    if (chamadasPuras > 0)
        throw TErro(u"ATENÇÃO:\r\nA tabela %1 não pode ser alterada durante um filtro ou cálculo."_s.arg(nome));
}

void TTabelaMemoria::VerificarEdicao() const
{
    VerificarAtiva();
    if (estado != TEstadoTabela::Edicao && estado != TEstadoTabela::Insercao)
        throw TErro(u"ATENÇÃO:\r\nA tabela %1 não está em edição nem em inserção."_s.arg(nome));
}

void TTabelaMemoria::PostarPendente()
{
    if (estado == TEstadoTabela::Edicao || estado == TEstadoTabela::Insercao)
        Gravar();
}

// ---- display of views

template <typename F> void TTabelaMemoria::Notificar(F &&chamada)
{
    if (suspensao == 0)
        NotificarSempre(std::forward<F>(chamada));
}

// An observer may remove another (or itself) while being told: walk a copy
// and skip the ones that left meanwhile.
template <typename F> void TTabelaMemoria::NotificarSempre(F &&chamada)
{
    const std::vector<TObservadorTabela *> copia = observadores;
    for (TObservadorTabela *observador : copia) {
        if (std::find(observadores.begin(), observadores.end(), observador) != observadores.end())
            chamada(*observador);
    }
}

void TTabelaMemoria::DesabilitarControles()
{
    if (suspensao++ == 0)
        NotificarSempre([](TObservadorTabela &o) { o.ControlesDesabilitados(); });
}

void TTabelaMemoria::HabilitarControles()
{
    if (suspensao == 0)
        return;
    if (--suspensao == 0)
        NotificarSempre([](TObservadorTabela &o) { o.ControlesHabilitados(); });
}

void TTabelaMemoria::AdicionarObservador(TObservadorTabela *observador)
{
    if (std::find(observadores.begin(), observadores.end(), observador) == observadores.end())
        observadores.push_back(observador);
}

void TTabelaMemoria::RemoverObservador(TObservadorTabela *observador)
{
    std::erase(observadores, observador);
}

std::vector<QVector<QVariant>> TTabelaMemoria::TodasAsLinhas() const
{
    std::vector<QVector<QVariant>> copia;
    if (!ativa)
        return copia;
    copia.reserve(insercao.size());
    for (int slot : insercao)
        if (linhas[size_t(slot)])
            copia.push_back(linhas[size_t(slot)]->Valores);
    return copia;
}

std::vector<TMarcador> TTabelaMemoria::MarcadoresDeTodasAsLinhas() const
{
    std::vector<TMarcador> marcadores;
    if (!ativa)
        return marcadores;
    marcadores.reserve(insercao.size());
    for (int slot : insercao)
        if (linhas[size_t(slot)])
            marcadores.push_back(base + slot);
    return marcadores;
}
