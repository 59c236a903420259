#include "Solver.h"
#include "Board.h"
#include "GameState.h"

#include <algorithm>
#include <utility>

namespace {

// The solver's board has a ring of wall round the game's, so a step never leaves it.
constexpr int PaddedRows = GridRows + 2;
constexpr int PaddedColumns = GridColumns + 2;
constexpr int PaddedCells = PaddedRows * PaddedColumns;
constexpr int NoCell = -1;
// Bits of a state's key for the number of its hero's cell: room for every cell and one more.
constexpr int HeroBits = 9;
constexpr int WordBits = 64;
constexpr uint32_t NoParent = UINT32_MAX;
constexpr size_t FirstSlotCount = size_t(1) << 16;
constexpr uint64_t HashSeed = 0x9E3779B97F4A7C15ull;
constexpr uint64_t HashFactor = 0xFF51AFD7ED558CCDull;
constexpr int HashShift = 29;

struct Direction {
    int Step;
    int32_t Dx;
    int32_t Dy;
    char Walk;
    char Push;
};
const Direction Directions[] = {
    {-PaddedRows, -1, 0, 'l', 'L'},
    {PaddedRows, 1, 0, 'r', 'R'},
    {-1, 0, -1, 'u', 'U'},
    {1, 0, 1, 'd', 'D'},
};

int PaddedCell(int Column, int Row) { return (Column + 1) * PaddedRows + Row + 1; }

// What stays the same while solving. Open cells are those of the hero's area; a box outside
// it can never be reached, so it counts as wall.
struct Layout {
    std::vector<bool> Open;
    std::vector<bool> Target;
    // A box here can still be pushed onto some target, other boxes aside.
    std::vector<bool> Good;
    std::vector<int> Number;
    std::vector<int> Cells;
    int Start = 0;
    int TargetCount = 0;
    int BoxCount = 0;
    int Words = 0;
    bool TargetOutOfReach = false;
};

// The working board of the state in hand, and the walk over it.
struct Scratch {
    std::vector<uint8_t> Boxes;
    std::vector<int> BoxCells;
    std::vector<uint32_t> Seen;
    uint32_t Stamp = 0;
    std::vector<int> Distance;
    std::vector<int8_t> ArrivedBy;
    std::vector<int> Queue;
};

struct StateRecord {
    uint32_t Parent;
    uint32_t Moves;
    // The cell the pushed box left, where the hero now stands, and the push's direction.
    int16_t BoxFrom;
    int8_t Direction;
};

// Keys of Words words each, in the order stored, found through an open-addressing table.
struct StateStore {
    int Words = 0;
    std::vector<uint64_t> Keys;
    std::vector<StateRecord> Records;
    std::vector<uint32_t> Slots;
};

struct Push {
    int BoxFrom;
    int Direction;
    int Distance;
};

void MarkGoodCells(Layout& Level)
{
    Level.Good.assign(PaddedCells, false);
    std::vector<int> Queue;
    for (int Cell : Level.Cells)
        if (Level.Target[Cell]) {
            Level.Good[Cell] = true;
            Queue.push_back(Cell);
        }
    // Pulling a box back from a target: it came from From, pushed by a hero behind From.
    for (size_t Next = 0; Next < Queue.size(); ++Next)
        for (const Direction& Way : Directions) {
            int From = Queue[Next] - Way.Step;
            if (Level.Open[From] && Level.Open[From - Way.Step] && !Level.Good[From]) {
                Level.Good[From] = true;
                Queue.push_back(From);
            }
        }
}

Layout MakeLayout(const LevelGrid& Grid, int32_t HeroColumn, int32_t HeroRow, Scratch& Work)
{
    Layout Level;
    Level.Open.assign(PaddedCells, false);
    Level.Target.assign(PaddedCells, false);
    Level.Number.assign(PaddedCells, NoCell);
    Level.Start = PaddedCell(HeroColumn, HeroRow);
    Work.Boxes.assign(PaddedCells, 0);
    std::vector<bool> Area = HeroArea(Grid, HeroColumn, HeroRow);
    for (int Column = 0; Column < GridColumns; ++Column)
        for (int Row = 0; Row < GridRows; ++Row) {
            int32_t Code = Grid[CellIndex(Column, Row)];
            bool IsTarget = Code == GameTile::Target || Code == GameTile::Goal;
            bool IsBox = Code == GameTile::Box || Code == GameTile::Goal;
            if (!Area[CellIndex(Column, Row)]) {
                Level.TargetOutOfReach = Level.TargetOutOfReach || (IsTarget && !IsBox);
                continue;
            }
            int Cell = PaddedCell(Column, Row);
            Level.Open[Cell] = true;
            Level.Target[Cell] = IsTarget;
            Level.Number[Cell] = static_cast<int>(Level.Cells.size());
            Level.Cells.push_back(Cell);
            Level.TargetCount += IsTarget;
            if (IsBox) {
                Work.Boxes[Cell] = 1;
                Work.BoxCells.push_back(Cell);
            }
        }
    Level.BoxCount = static_cast<int>(Work.BoxCells.size());
    Level.Words = (static_cast<int>(Level.Cells.size()) + HeroBits + WordBits - 1) / WordBits;
    MarkGoodCells(Level);
    Work.Seen.assign(PaddedCells, 0);
    Work.Distance.assign(PaddedCells, 0);
    Work.ArrivedBy.assign(PaddedCells, 0);
    return Level;
}

// Walks from Start over open cells without boxes, leaving Distance and ArrivedBy for each
// cell whose Seen is the new Stamp. Returns the smallest cell number reached, the number
// after the last when no open cell is.
int Walk(const Layout& Level, Scratch& Work, int Start)
{
    if (++Work.Stamp == 0) {
        std::fill(Work.Seen.begin(), Work.Seen.end(), 0);
        Work.Stamp = 1;
    }
    Work.Queue.assign(1, Start);
    Work.Seen[Start] = Work.Stamp;
    Work.Distance[Start] = 0;
    int Smallest = static_cast<int>(Level.Cells.size());
    for (size_t Next = 0; Next < Work.Queue.size(); ++Next) {
        int Cell = Work.Queue[Next];
        if (Level.Number[Cell] != NoCell)
            Smallest = std::min(Smallest, Level.Number[Cell]);
        for (int Way = 0; Way < 4; ++Way) {
            int Ahead = Cell + Directions[Way].Step;
            if (!Level.Open[Ahead] || Work.Boxes[Ahead] || Work.Seen[Ahead] == Work.Stamp)
                continue;
            Work.Seen[Ahead] = Work.Stamp;
            Work.Distance[Ahead] = Work.Distance[Cell] + 1;
            Work.ArrivedBy[Ahead] = static_cast<int8_t>(Way);
            Work.Queue.push_back(Ahead);
        }
    }
    return Smallest;
}

bool IsBlocked(const Layout& Level, const Scratch& Work, int Cell)
{
    return !Level.Open[Cell] || Work.Boxes[Cell];
}

// A box in a square of four blocked cells can never move again: each of its pushes needs a
// free cell on one side or the other.
bool IsFrozen(const Layout& Level, const Scratch& Work, int Cell)
{
    for (int Across : {-PaddedRows, PaddedRows})
        for (int Along : {-1, 1})
            if (IsBlocked(Level, Work, Cell + Across) && IsBlocked(Level, Work, Cell + Along) &&
                IsBlocked(Level, Work, Cell + Across + Along))
                return true;
    return false;
}

// Too few boxes left that may still end on a target. With more boxes than targets a box may
// stay stuck for good, so stuck boxes are counted rather than forbidden.
bool IsDead(const Layout& Level, const Scratch& Work)
{
    int Stuck = 0;
    for (int Cell : Work.BoxCells)
        if (!Level.Good[Cell] || (!Level.Target[Cell] && IsFrozen(Level, Work, Cell)))
            ++Stuck;
    return Level.BoxCount - Stuck < Level.TargetCount;
}

bool AllTargetsCovered(const Layout& Level, const Scratch& Work)
{
    int Covered = 0;
    for (int Cell : Work.BoxCells)
        Covered += Level.Target[Cell];
    return Covered == Level.TargetCount;
}

void SetBit(std::vector<uint64_t>& Key, int Bit, bool On)
{
    uint64_t Mask = uint64_t(1) << (Bit % WordBits);
    Key[Bit / WordBits] = On ? Key[Bit / WordBits] | Mask : Key[Bit / WordBits] & ~Mask;
}

void PutHeroNumber(const Layout& Level, std::vector<uint64_t>& Key, int HeroNumber)
{
    int Offset = static_cast<int>(Level.Cells.size());
    for (int Bit = 0; Bit < HeroBits; ++Bit)
        SetBit(Key, Offset + Bit, (HeroNumber >> Bit) & 1);
}

void LoadBoxes(const Layout& Level, Scratch& Work, const uint64_t* Key)
{
    for (int Cell : Work.BoxCells)
        Work.Boxes[Cell] = 0;
    Work.BoxCells.clear();
    int CellCount = static_cast<int>(Level.Cells.size());
    for (int Word = 0; Word < Level.Words; ++Word)
        for (uint64_t Bits = Key[Word]; Bits != 0; Bits &= Bits - 1) {
            int Number = Word * WordBits + __builtin_ctzll(Bits);
            if (Number >= CellCount)
                break;
            Work.Boxes[Level.Cells[Number]] = 1;
            Work.BoxCells.push_back(Level.Cells[Number]);
        }
}

size_t SlotFor(const StateStore& Store, const uint64_t* Key)
{
    uint64_t Hash = HashSeed;
    for (int Word = 0; Word < Store.Words; ++Word) {
        Hash = (Hash ^ Key[Word]) * HashFactor;
        Hash ^= Hash >> HashShift;
    }
    size_t Mask = Store.Slots.size() - 1;
    for (size_t Slot = Hash & Mask;; Slot = (Slot + 1) & Mask) {
        uint32_t Held = Store.Slots[Slot];
        if (Held == 0 ||
            std::equal(Key, Key + Store.Words, &Store.Keys[size_t(Held - 1) * Store.Words]))
            return Slot;
    }
}

// Keeps the table at most half full, so that probes stay short.
void MakeRoom(StateStore& Store)
{
    if ((Store.Records.size() + 1) * 2 <= Store.Slots.size())
        return;
    Store.Slots.assign(std::max(FirstSlotCount, Store.Slots.size() * 2), 0);
    for (uint32_t Index = 0; Index < Store.Records.size(); ++Index)
        Store.Slots[SlotFor(Store, &Store.Keys[size_t(Index) * Store.Words])] = Index + 1;
}

uint32_t AddState(StateStore& Store, size_t Slot, const std::vector<uint64_t>& Key,
                  const StateRecord& Record)
{
    uint32_t Index = static_cast<uint32_t>(Store.Records.size());
    Store.Keys.insert(Store.Keys.end(), Key.begin(), Key.end());
    Store.Records.push_back(Record);
    Store.Slots[Slot] = Index + 1;
    return Index;
}

int HeroCellOf(const Layout& Level, const StateRecord& Record)
{
    return Record.Parent == NoParent ? Level.Start : Record.BoxFrom;
}

std::vector<Push> ReachablePushes(const Layout& Level, Scratch& Work, int HeroCell)
{
    Walk(Level, Work, HeroCell);
    std::vector<Push> Pushes;
    for (int Box : Work.BoxCells)
        for (int Way = 0; Way < 4; ++Way) {
            int From = Box - Directions[Way].Step, To = Box + Directions[Way].Step;
            if (Work.Seen[From] == Work.Stamp && !IsBlocked(Level, Work, To))
                Pushes.push_back({Box, Way, Work.Distance[From]});
        }
    return Pushes;
}

void MoveBox(Scratch& Work, int From, int To)
{
    Work.Boxes[From] = 0;
    Work.Boxes[To] = 1;
    std::replace(Work.BoxCells.begin(), Work.BoxCells.end(), From, To);
}

// Makes every push open to the hero of state Index. A state met again within the layer being
// built takes the new way when it has fewer moves. False once the store is full.
bool ExpandState(const Layout& Level, Scratch& Work, StateStore& Store, uint32_t Index,
                 uint32_t NextLayer, int64_t StateLimit, std::vector<uint32_t>& Solved)
{
    std::vector<uint64_t> ParentKey(&Store.Keys[size_t(Index) * Store.Words],
                                    &Store.Keys[size_t(Index + 1) * Store.Words]);
    StateRecord Parent = Store.Records[Index];
    LoadBoxes(Level, Work, ParentKey.data());
    for (const Push& Move : ReachablePushes(Level, Work, HeroCellOf(Level, Parent))) {
        int To = Move.BoxFrom + Directions[Move.Direction].Step;
        MoveBox(Work, Move.BoxFrom, To);
        if (!IsDead(Level, Work)) {
            std::vector<uint64_t> Key = ParentKey;
            SetBit(Key, Level.Number[Move.BoxFrom], false);
            SetBit(Key, Level.Number[To], true);
            PutHeroNumber(Level, Key, Walk(Level, Work, Move.BoxFrom));
            StateRecord Record{Index, Parent.Moves + uint32_t(Move.Distance) + 1,
                               static_cast<int16_t>(Move.BoxFrom),
                               static_cast<int8_t>(Move.Direction)};
            MakeRoom(Store);
            size_t Slot = SlotFor(Store, Key.data());
            uint32_t Held = Store.Slots[Slot];
            if (Held == 0) {
                if (static_cast<int64_t>(Store.Records.size()) >= StateLimit)
                    return false;
                uint32_t Added = AddState(Store, Slot, Key, Record);
                if (AllTargetsCovered(Level, Work))
                    Solved.push_back(Added);
            } else if (Held - 1 >= NextLayer && Record.Moves < Store.Records[Held - 1].Moves) {
                Store.Records[Held - 1] = Record;
            }
        }
        MoveBox(Work, To, Move.BoxFrom);
    }
    return true;
}

std::string SolutionTo(const Layout& Level, Scratch& Work, const StateStore& Store,
                       uint32_t Index, const std::vector<int>& StartBoxes)
{
    std::vector<StateRecord> Pushes;
    for (uint32_t At = Index; Store.Records[At].Parent != NoParent; At = Store.Records[At].Parent)
        Pushes.push_back(Store.Records[At]);
    std::reverse(Pushes.begin(), Pushes.end());
    for (int Cell : Work.BoxCells)
        Work.Boxes[Cell] = 0;
    Work.BoxCells = StartBoxes;
    for (int Cell : Work.BoxCells)
        Work.Boxes[Cell] = 1;
    std::string Moves;
    int Hero = Level.Start;
    for (const StateRecord& Record : Pushes) {
        const Direction& Way = Directions[Record.Direction];
        Walk(Level, Work, Hero);
        std::string Path;
        for (int Cell = Record.BoxFrom - Way.Step; Cell != Hero;
             Cell -= Directions[Work.ArrivedBy[Cell]].Step)
            Path += Directions[Work.ArrivedBy[Cell]].Walk;
        Moves.append(Path.rbegin(), Path.rend());
        Moves += Way.Push;
        MoveBox(Work, Record.BoxFrom, Record.BoxFrom + Way.Step);
        Hero = Record.BoxFrom;
    }
    return Moves;
}

} // namespace

std::vector<bool> HeroArea(const LevelGrid& Grid, int32_t Column, int32_t Row)
{
    std::vector<bool> Area(GridCells, false);
    std::vector<std::pair<int32_t, int32_t>> Pending{{Column, Row}};
    if (IsOnGrid(Column, Row))
        Area[CellIndex(Column, Row)] = true;
    while (!Pending.empty()) {
        auto [AtColumn, AtRow] = Pending.back();
        Pending.pop_back();
        for (const Direction& Way : Directions) {
            int32_t NextColumn = AtColumn + Way.Dx, NextRow = AtRow + Way.Dy;
            if (GameCellAt(Grid, NextColumn, NextRow) == GameTile::Wall ||
                Area[CellIndex(NextColumn, NextRow)])
                continue;
            Area[CellIndex(NextColumn, NextRow)] = true;
            Pending.push_back({NextColumn, NextRow});
        }
    }
    if (GameCellAt(Grid, Column, Row) == GameTile::Wall && IsOnGrid(Column, Row))
        Area[CellIndex(Column, Row)] = false;
    return Area;
}

SolveResult SolveLevel(const LevelGrid& Grid, int32_t HeroColumn, int32_t HeroRow,
                       int64_t StateLimit)
{
    SolveResult Result;
    Result.Outcome = SolveOutcome::Unsolvable;
    if (!IsOnGrid(HeroColumn, HeroRow))
        return Result;
    Scratch Work;
    Layout Level = MakeLayout(Grid, HeroColumn, HeroRow, Work);
    if (Level.TargetOutOfReach || IsDead(Level, Work))
        return Result;
    const std::vector<int> StartBoxes = Work.BoxCells;
    StateStore Store;
    Store.Words = Level.Words;
    std::vector<uint64_t> Key(Level.Words, 0);
    for (int Cell : Work.BoxCells)
        SetBit(Key, Level.Number[Cell], true);
    PutHeroNumber(Level, Key, Walk(Level, Work, Level.Start));
    MakeRoom(Store);
    AddState(Store, SlotFor(Store, Key.data()), Key, {NoParent, 0, NoCell, 0});

    std::vector<uint32_t> Solved;
    if (AllTargetsCovered(Level, Work))
        Solved.push_back(0);
    bool Room = true;
    for (uint32_t LayerStart = 0, LayerEnd = 1; LayerStart < LayerEnd && Solved.empty() && Room;
         LayerStart = LayerEnd, LayerEnd = static_cast<uint32_t>(Store.Records.size()))
        for (uint32_t Index = LayerStart; Index < LayerEnd && Room; ++Index)
            Room = ExpandState(Level, Work, Store, Index, LayerEnd, StateLimit, Solved);

    Result.States = static_cast<int64_t>(Store.Records.size());
    if (Solved.empty()) {
        Result.Outcome = Room ? SolveOutcome::Unsolvable : SolveOutcome::Undecided;
        return Result;
    }
    uint32_t Best = *std::min_element(Solved.begin(), Solved.end(), [&](uint32_t A, uint32_t B) {
        return Store.Records[A].Moves < Store.Records[B].Moves;
    });
    Result.Outcome = SolveOutcome::Solved;
    Result.Solution = SolutionTo(Level, Work, Store, Best, StartBoxes);
    Result.Moves = static_cast<int>(Result.Solution.size());
    Result.Pushes = static_cast<int>(std::count_if(Result.Solution.begin(), Result.Solution.end(),
                                                   [](char Letter) { return Letter < 'a'; }));
    return Result;
}

bool SolutionSolves(const LevelGrid& Grid, int32_t HeroColumn, int32_t HeroRow,
                    const std::string& Moves)
{
    LevelGrid Played = Grid;
    for (char Letter : Moves) {
        const Direction* Way = std::find_if(std::begin(Directions), std::end(Directions),
                                            [Letter](const Direction& Candidate) {
                                                return Letter == Candidate.Walk ||
                                                       Letter == Candidate.Push;
                                            });
        if (Way == std::end(Directions))
            return false;
        MoveResult Expected = Letter == Way->Walk ? MoveResult::Walked : MoveResult::Pushed;
        if (MoveOnGrid(Played, HeroColumn, HeroRow, Way->Dx, Way->Dy) != Expected)
            return false;
    }
    // The game's own test, on the played board for a moment.
    std::swap(Board, Played);
    bool Solved = IsSolved();
    std::swap(Board, Played);
    return Solved;
}
