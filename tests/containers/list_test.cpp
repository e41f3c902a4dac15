#include "containers/listClss.h"

#include <gtest/gtest.h>

#include "tests/containers/testHelpers.h"
#include "tests/support/RecordingMessages.h"

using namespace containers_test;
using testing_support::RecordingMessages;

namespace {

std::unique_ptr<TInteger> num(std::int32_t v) { return std::make_unique<TInteger>(v); }

std::int32_t valueAt(TListe& list) { return dynamic_cast<TInteger&>(*list.getElem()).getValue(); }

// Walks the list from the first element; leaves it at end.
std::vector<std::int32_t> values(TListe& list) {
  std::vector<std::int32_t> out;
  for (list.toFirst(); !list.atEnd(); list.next()) out.push_back(valueAt(list));
  return out;
}

template <class L = TListe>
std::unique_ptr<L> listOf(std::initializer_list<std::int32_t> vs) {
  auto list = std::make_unique<L>();
  for (auto v : vs) list->append(num(v));
  return list;
}

using V = std::vector<std::int32_t>;

}  // namespace

TEST(ListCursor, EmptyListAndFirstInsert) {
  TListe list;
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(list.atEnd());
  EXPECT_EQ(list.getElem(), nullptr);
  EXPECT_EQ(list.position(), 0);
  EXPECT_EQ(list.count(), 0);
  list.next();  // silent at end
  list.del();
  EXPECT_FALSE(list.update(num(1)));
  EXPECT_EQ(list.position(), 0);

  EXPECT_TRUE(list.insert(num(7)));
  EXPECT_EQ(valueAt(list), 7);
  EXPECT_EQ(list.position(), 0);
  list.next();
  EXPECT_TRUE(list.atEnd());
  EXPECT_EQ(list.position(), 1);
}

TEST(ListCursor, InsertGoesBeforeTheCurrentElement) {
  auto list = listOf({1, 2, 3});
  EXPECT_EQ(list->position(), 2);
  EXPECT_EQ(valueAt(*list), 3);
  list->toFirst();
  list->insert(num(4));
  EXPECT_EQ(valueAt(*list), 4);
  EXPECT_EQ(list->position(), 0);
  EXPECT_EQ(values(*list), (V{4, 1, 2, 3}));
  list->setPosition(2);
  list->insert(num(9));
  EXPECT_EQ(values(*list), (V{4, 1, 9, 2, 3}));
  // Inserting at end appends.
  list->insert(num(5));
  EXPECT_EQ(values(*list), (V{4, 1, 9, 2, 3, 5}));
  EXPECT_EQ(list->count(), 6);
}

TEST(ListCursor, DeleteAndUpdate) {
  auto list = listOf({1, 2, 3});
  list->setPosition(1);
  list->del();
  EXPECT_EQ(valueAt(*list), 3);
  EXPECT_EQ(list->position(), 1);
  list->del();  // the last element: the list is at end afterwards
  EXPECT_TRUE(list->atEnd());
  EXPECT_EQ(list->count(), 1);
  list->del();  // no-op at end
  EXPECT_EQ(list->count(), 1);
  list->toFirst();
  EXPECT_TRUE(list->update(num(8)));
  EXPECT_EQ(values(*list), V{8});
  list->toFirst();
  list->del();
  EXPECT_TRUE(list->empty());
  EXPECT_TRUE(list->atEnd());
  // Appending after the list was emptied works as on a new list.
  list->append(num(6));
  EXPECT_EQ(values(*list), V{6});
}

TEST(ListCursor, SetPositionClampsAndToEnd) {
  auto list = listOf({10, 20, 30});
  list->setPosition(-5);
  EXPECT_EQ(list->position(), 0);
  EXPECT_EQ(valueAt(*list), 10);
  list->setPosition(list->count() + 10);
  EXPECT_TRUE(list->atEnd());
  EXPECT_EQ(list->position(), 3);
  list->setPosition(3);
  EXPECT_TRUE(list->atEnd());
  list->setPosition(1);
  EXPECT_EQ(valueAt(*list), 20);
  list->toEnd();
  EXPECT_EQ(list->position(), 3);
  list->clear();
  EXPECT_TRUE(list->empty());
  EXPECT_EQ(list->position(), 0);
}

TEST(ListSearch, LookUpAndSameElements) {
  auto list = listOf({1, 2, 3, 2});
  TInteger two(2), four(4);
  TBase* found = list->lookUp(two);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(list->position(), 1);
  list->next();
  TBase* again = list->lookUpNext(two);
  EXPECT_EQ(again, list->getElem());
  EXPECT_NE(again, found);
  EXPECT_EQ(list->position(), 3);
  EXPECT_EQ(list->lookUp(four), nullptr);
  EXPECT_TRUE(list->atEnd());
  TLongint longTwo(2);
  EXPECT_EQ(list->lookUp(longTwo), nullptr);

  auto a = listOf({1, 1, 2});
  auto b = listOf({1, 2, 2});
  EXPECT_TRUE(a->sameElements(*b));
  EXPECT_EQ(a->countCommon(*b), 3);
  EXPECT_TRUE(a->atEnd());
  auto c = listOf({1, 3, 3});
  EXPECT_FALSE(a->sameElements(*c));
  auto d = listOf({1, 2});
  EXPECT_FALSE(a->sameElements(*d));
  // A list with equal elements measured against itself must not walk forever.
  EXPECT_TRUE(a->sameElements(*a));
  EXPECT_EQ(a->countCommon(*a), 3);
}

TEST(ListCompareCopy, CompareNeedsSameClassAndEqualElements) {
  TListe e1, e2;
  TSortListe es;
  EXPECT_EQ(e1.compare(e2), 0);
  EXPECT_EQ(e1.compare(es), 2);
  auto a = listOf({1, 2});
  auto b = listOf({1, 2, 3});
  auto c = listOf({1, 2});
  EXPECT_EQ(a->compare(*b), 2);
  EXPECT_EQ(b->compare(*a), 2);
  EXPECT_EQ(a->compare(*c), 0);
  EXPECT_EQ(a->compare(*a), 0);
  auto d = listOf({1, 5});
  EXPECT_EQ(a->compare(*d), 2);
  // The walk stops on the differing pair.
  EXPECT_EQ(a->position(), 1);
  EXPECT_EQ(d->position(), 1);
  TInteger i(1);
  EXPECT_EQ(a->compare(i), 2);
}

TEST(ListCompareCopy, CopyIsATListeAtTheSamePosition) {
  auto sorted = std::make_unique<TSortListe>();
  for (int v : {3, 1, 2}) sorted->insertSorted(num(v));
  sorted->setPosition(1);
  auto copied = sorted->copy();
  auto* list = dynamic_cast<TListe*>(copied.get());
  ASSERT_NE(list, nullptr);
  EXPECT_STREQ(list->className(), "TListe");
  EXPECT_EQ(list->position(), 1);
  EXPECT_EQ(sorted->position(), 1);
  EXPECT_EQ(values(*list), (V{1, 2, 3}));
  // Independent elements.
  list->toFirst();
  list->update(num(100));
  EXPECT_EQ(values(*sorted), (V{1, 2, 3}));
}

TEST(ListCompareCopy, CopyToInsertsAtTheDestinationCursor) {
  auto src = listOf({1, 2});
  auto dest = listOf({8, 9});
  dest->setPosition(1);
  src->copyTo(*dest);
  EXPECT_EQ(values(*dest), (V{8, 1, 2, 9}));
  src->setPosition(0);
  auto dest2 = listOf({5});
  dest2->toFirst();
  src->copyTo(*dest2);
  EXPECT_EQ(dest2->position(), 0);
}

TEST(SortListe, InsertSortedOrderAndClassCheck) {
  TSortListe list;
  list.insertSorted(num(3));
  list.insertSorted(num(1));
  list.insertSorted(num(2));
  EXPECT_EQ(values(list), (V{1, 2, 3}));
  auto second2 = num(2);
  TInteger* marker = second2.get();
  list.insertSorted(std::move(second2));
  EXPECT_EQ(list.getElem(), marker);
  EXPECT_EQ(list.position(), 1);  // the newest of equal elements stands first
  EXPECT_EQ(values(list), (V{1, 2, 2, 3}));

  RecordingMessages recorder;
  auto text = std::make_unique<TString>("x");
  EXPECT_FALSE(list.insertSorted(std::move(text)));
  ASSERT_NE(text, nullptr);  // still the caller's
  EXPECT_EQ(recorder.texts(),
            std::vector<std::string>{"In eine sortierte Liste können keine Exemplare "
                                     "unterschiedlicher Klassen eingefügt werden"});
  EXPECT_EQ(values(list), (V{1, 2, 2, 3}));
  // A subclass is another class too.
  auto longint = std::make_unique<TLongint>(1);
  EXPECT_FALSE(list.insertSorted(std::move(longint)));
  EXPECT_NE(longint, nullptr);
}

TEST(ListLimit, The65536thInsertIsRefusedAndStaysWithTheCaller) {
  TListe list;
  for (int i = 0; i < 65535; ++i) ASSERT_TRUE(list.insert(num(i)));
  RecordingMessages recorder;
  auto extra = num(-1);
  EXPECT_FALSE(list.insert(std::move(extra)));
  ASSERT_NE(extra, nullptr);
  EXPECT_EQ(extra->getValue(), -1);
  EXPECT_FALSE(list.append(std::move(extra)));
  ASSERT_NE(extra, nullptr);
  std::unique_ptr<TBase> asBase = std::move(extra);
  EXPECT_FALSE(list.insert(std::move(asBase)));
  EXPECT_NE(asBase, nullptr);
  EXPECT_EQ(list.count(), 65535);
  EXPECT_EQ(recorder.texts(),
            std::vector<std::string>(3, "Die Liste ist voll - maximal 65535 Elemente"));
  EXPECT_EQ(recorder.messages()[0].kind, platform::MessageKind::Information);
  // The copy a full destination refuses is freed, not leaked.
  auto one = listOf({1});
  one->copyTo(list);
  EXPECT_EQ(list.count(), 65535);
}

TEST(ListStream, SavedBytesOfTwoIntegers) {
  auto list = listOf({5, 300});
  list->setPosition(1);
  Bytes out;
  {
    TWriter writer(out);
    list->save(writer);
  }
  const Bytes expected = concat({bytesOf({2, 2}), shortString("TInteger"), bytesOf({2, 5}),
                                 shortString("TInteger"), bytesOf({3, 0x2C, 0x01})});
  EXPECT_EQ(out, expected);
  EXPECT_EQ(list->position(), 1);

  TSortableListe loaded;
  loaded.append(num(77));
  TReader reader(out);
  loaded.load(reader);
  EXPECT_EQ(loaded.position(), 0);
  EXPECT_EQ(valueAt(loaded), 5);
  EXPECT_EQ(values(loaded), (V{5, 300}));
}

TEST(ListStream, MixedClassesRoundTrip) {
  TListe list;
  list.append(std::make_unique<TString>(std::string(400, 'q')));
  list.append(std::make_unique<TExtended>(-1.5L, 0.0L));
  list.append(std::make_unique<TTBruch>(TBruch{2, 3}));
  list.append(std::make_unique<TChar>('\xDF'));
  list.append(std::make_unique<TBoolean>(true));
  Bytes out;
  TWriter writer(out);
  list.save(writer);
  TListe back;
  TReader reader(out);
  back.load(reader);
  EXPECT_TRUE(reader.EndOfStream());
  EXPECT_EQ(list.compare(back), 0);
}

TEST(ListStream, ErrorsKeepWhatWasReadBefore) {
  // Count 3, one good element, then an unknown class.
  const Bytes unknown = concat({bytesOf({2, 3}), shortString("TInteger"), bytesOf({2, 5}),
                                shortString("TGibtEsNicht"), bytesOf({2, 1})});
  TListe list;
  TReader r1(unknown);
  EXPECT_THROW(list.load(r1), EClassNotFound);
  EXPECT_EQ(values(list), V{5});

  // A count that runs past the data: the read error comes when the data ends.
  const Bytes lying = concat({bytesOf({4, 0xFF, 0xFF, 0, 0}), shortString("TInteger"),
                              bytesOf({2, 6})});
  TReader r2(lying);
  EXPECT_THROW(list.load(r2), EReadError);
  EXPECT_EQ(values(list), V{6});

  // A list can not be an element of a stored list.
  RecordingMessages recorder;
  const Bytes nested = concat({bytesOf({2, 1}), shortString("TListe"), bytesOf({2, 0})});
  TReader r3(nested);
  EXPECT_THROW(list.load(r3), EReadError);
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(recorder.messages().empty());
}
