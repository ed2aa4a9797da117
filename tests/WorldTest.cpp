#include "TestWorld.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

void run(World& world, int steps) {
    for (int i = 0; i < steps; ++i) world.step(0.0f, PlayerInput{});
}

void collide(World& world) {
    world.rebuildSegmentGrids();
    world.handleCollisions();
}

}  // namespace

TEST(WorldStep, DeadBotsComeBackOnThe181stStepThePlayerOnThe151stAndTheRankingEvery61) {
    auto world = quietWorld(52);
    Snake& bot = *world->snakes[1];
    Snake& player = world->player();
    place(bot, {0.0f, 0.0f}, 0.0f, 80.0f);
    world->startPlayer(L"Kai", sf::Color::Magenta);
    world->killSnake(bot);
    world->killSnake(player);
    world->rankingTimer = 0.0f;
    run(*world, 60);
    EXPECT_TRUE(world->ranking.empty());
    run(*world, 1);
    EXPECT_EQ(world->rankingTimer, 0.0f);
    run(*world, 89);
    EXPECT_FALSE(player.alive);
    EXPECT_EQ(std::make_pair(world->cameraCenter, world->zoom), std::make_pair(sf::Vector2f(0.0f, 0.0f), 2.4f));
    player.mass = 412.0f;
    player.speed = 9.0f;
    player.boosting = true;  // a boost carries over until the next decision
    run(*world, 1);
    // Back with its name and colour, folded at mass 80 and speed 6.3, its bounds the radius of 16.5333 + 10 around.
    EXPECT_EQ(std::make_tuple(player.alive, player.name, player.color, player.boosting, player.mass, player.speed),
              std::make_tuple(true, std::wstring(L"Kai"), sf::Color::Magenta, true, 80.0f, 6.3f));
    EXPECT_EQ(std::make_tuple(player.pointCount, player.points[14], player.targetHeading),
              std::make_tuple(std::size_t{15}, player.points[0], player.heading));
    EXPECT_NEAR(player.bounds.width, 53.0667f, 1e-3f);
    player.mass = 9000.0f;  // past mass 4473 the zoom aims at 0.55
    const float zoom = world->zoom;
    run(*world, 1);
    EXPECT_FLOAT_EQ(world->zoom, zoom + (0.55f - zoom) * 0.05f);
    run(*world, 28);
    EXPECT_FALSE(bot.alive);
    run(*world, 1);
    EXPECT_TRUE(bot.alive);
    // The ranking of the 183rd step: every live snake, heaviest first.
    run(*world, 2);
    ASSERT_EQ(world->ranking.size(), 2u);
    EXPECT_GE(world->ranking[0]->mass, world->ranking[1]->mass);
}

TEST(Pellets, EatenBelowTheEatRadiusPulledBelowFourRadiiAndListedWhereTheyWere) {
    auto world = quietWorld(13);
    Snake& player = world->player();
    const sf::Vector2f head(1000.0f, 1000.0f);
    place(player, head, 0.0f, 600.0f);  // radius 20: eaten below d² 720, pulled below 6400
    // In the head's cell, in this order: at 4r, eaten, eaten, at d² 720, just inside 4r.
    const sf::Vector2f offsets[] = {{-80.0f, 0.0f}, {-12.0f, -23.99f}, {5.0f, 5.0f}, {12.0f, 24.0f}, {0.0f, -79.9f}};
    for (int i = 0; i < 5; ++i) world->addPellet(head + offsets[i], i == 1 ? 15.0f : 4.0f, sf::Color::White, i == 1);
    world->handleCollisions();
    EXPECT_FLOAT_EQ(player.mass, 600.0f + 15.0f + 4.0f);
    EXPECT_EQ(std::make_pair(player.radiusSquared, world->freePellets.back()),
              std::make_pair(radiusSquaredFor(player.mass), 897));
    const std::vector<Pellet*> left = {&world->pellets[899], &world->pellets[896], &world->pellets[895]};
    EXPECT_EQ(world->pelletGrid[cellOf(head.x, head.y).index()], left);
    EXPECT_EQ(left[0]->position, head + offsets[0]);
    EXPECT_NEAR(std::hypot(left[1]->position.x - head.x, left[1]->position.y - head.y), std::sqrt(720.0f) - 8.5f,
                1e-3f);
    EXPECT_NEAR(left[2]->position.y, head.y - 79.9f + 8.5f, 1e-3f);
}

TEST(Pellets, ABoostingSnakeDropsOneOfItsColourAtItsTailOnEachDrawOfZeroInEight) {
    auto world = quietWorld(31);
    // A heap far away keeps 300 in play: the top-up draws nothing, only the boost does.
    for (int i = 0; i < MinLivePellets; ++i) world->addPellet({0.0f, 3500.0f}, 4.0f, sf::Color::White, false);
    Snake& player = world->player();
    place(player, {-2000.0f, 0.0f}, 0.0f, 500.0f, 72, 9.0f);
    player.color = sf::Color(200, 100, 0);
    PlayerInput boost;
    boost.leftButton = true;
    std::srand(32);
    std::vector<int> draws(200);
    for (int& draw : draws) draw = std::rand() % 8;
    std::srand(32);
    for (int draw : draws) {
        const int live = world->livePelletCount(), next = world->freePellets.back();
        world->step(0.0f, boost);
        ASSERT_EQ(world->livePelletCount(), live + (draw == 0));
        if (draw != 0) continue;
        const Pellet& dropped = world->pellets[next];
        EXPECT_EQ(std::make_tuple(dropped.position, dropped.size, dropped.color, dropped.isBig),
                  std::make_tuple(player.points[player.pointCount - 1], 3.75f, player.color, false));
    }
    EXPECT_NEAR(player.speed, 11.7212f, 1e-3f);  // 2.1 % closer to 11.8 a step: 11.8 - 5.5 x 0.979^200
}

TEST(Collisions, ADeathTrailRunsFromTheInverseColourToTheSnakesOwnWithSparksAtEveryEighthPoint) {
    auto world = quietWorld(15);
    Snake& bot = *world->snakes[1];
    place(bot, {1000.0f, 0.0f}, 0.0f, 80.0f, 16, 5.0f);
    bot.color = sf::Color(200, 100, 0);
    world->killSnake(bot);
    // Pellets of 5.8 at points 0, 2, ..., 14, taking pool indices 899 down; the mix at i / 16 truncates.
    ASSERT_EQ(world->livePelletCount(), 8);
    const std::pair<int, sf::Color> trail[] = {{899, {55, 155, 255}}, {895, {127, 127, 127}}, {892, {181, 106, 31}}};
    for (const auto& [index, color] : trail) EXPECT_EQ(world->pellets[index].color, color) << index;
    EXPECT_EQ(std::make_pair(world->pellets[892].position, world->pellets[892].size),
              std::make_pair(sf::Vector2f(930.0f, 0.0f), 5.8f));
    ASSERT_EQ(world->particles.size(), 6u);
    EXPECT_EQ(std::make_pair(world->particles[2].color, world->particles[3].color),
              std::make_pair(sf::Color(55, 155, 255), sf::Color(127, 127, 127)));
    for (int i = 0; i < 50; ++i) updateParticles(world->particles);
    EXPECT_EQ(world->particles.size(), 6u);  // 1 - 50 x 0.02 stays a hair above 0 in single precision
    updateParticles(world->particles);
    EXPECT_TRUE(world->particles.empty());
}

TEST(Collisions, HeadsDieBeyondTheRimAndOnlyOnOtherBodies) {
    auto world = quietWorld(21);
    Snake& bot = *world->snakes[1];
    Snake& player = world->player();
    for (float rim : {3800.0f, 3800.1f}) {
        place(bot, {rim, 0.0f}, 0.0f, 80.0f);
        place(player, {0.0f, -rim}, 0.0f, 80.0f);
        collide(*world);
        EXPECT_EQ(std::make_pair(bot.alive, player.alive), std::make_pair(rim == 3800.0f, rim == 3800.0f));
    }
    EXPECT_EQ(std::make_pair(bot.respawnTimer, player.respawnTimer), std::make_pair(3.0f, 2.5f));
    // A body looping through its own head; a second bot whose head lies on it.
    quieten(*world);
    const sf::Vector2f loop[] = {{1000, 0}, {1040, 0}, {1040, 40}, {1000, 40}, {1000, -40}};
    place(bot, loop[0], 0.0f, 80.0f, 5);
    std::copy(loop, loop + 5, bot.points);
    place(*world->snakes[2], loop[0], 0.0f, 80.0f, 1);
    collide(*world);
    EXPECT_EQ(std::make_pair(bot.alive, world->snakes[2]->alive), std::make_pair(true, false));
}

TEST(Collisions, ContactAtEightyFivePercentOfTheOtherRadiusPlusOwn) {
    EXPECT_EQ(distanceToSegmentSquared({8.0f, 4.0f}, {-5.0f, 0.0f}, {5.0f, 0.0f}), 25.0f);  // clamped to an end
    EXPECT_EQ(distanceToSegmentSquared({3.0f, 4.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}), 25.0f);
    auto world = quietWorld(24);
    Snake& body = *world->snakes[1];
    Snake& head = *world->snakes[2];
    const float r = std::sqrt(radiusSquaredFor(80.0f));
    const float reach = 0.85f * r + r;  // 30.59
    // Beside a straight body, then diagonal to a folded one, whose zero-length
    // segments leave the distance to its point (30.55 and 30.62); folded, the
    // two heads meet both ways.
    const struct {
        sf::Vector2f bodyHead, head;
        float spacing;
        bool survives;
    } cases[] = {{{200.0f, 0.0f}, {130.0f, reach - 0.001f}, 10.0f, false},
                 {{200.0f, 0.0f}, {130.0f, reach + 0.001f}, 10.0f, true},
                 {{500.0f, 500.0f}, {521.6f, 521.6f}, 0.0f, false},
                 {{500.0f, 500.0f}, {521.65f, 521.65f}, 0.0f, true}};
    for (const auto& c : cases) {
        quieten(*world);
        place(body, c.bodyHead, 0.0f, 80.0f, 15, c.spacing);
        place(head, c.head, 0.0f, 80.0f);
        collide(*world);
        EXPECT_EQ(std::make_pair(head.alive, body.alive), std::make_pair(c.survives, c.survives || c.spacing > 0.0f))
            << c.head.x;
    }
}

TEST(SegmentGrids, ListEachCellsSegmentsInBodyOrderAcrossBodiesAndRebuilds) {
    Snake first{1, nullptr, L"", sf::Color::White, false};
    Snake second{2, nullptr, L"", sf::Color::White, false};
    // Cell 25 spans 0 to 152: the first body leaves it and comes back.
    const sf::Vector2f body[] = {{10, 10}, {100, 10}, {160, 10}, {140, 10}, {20, 10}, {30, 10}};
    const sf::Vector2f other[] = {{50, 20}, {60, 20}};
    const int middle = cellOf(10, 10).index();
    SegmentGrid grid(4);  // too small: the grid grows rather than drops segments
    for (int round = 0; round < 2; ++round) {
        grid.clear();
        grid.addBody(body, 6, &first);
        grid.addBody(other, 2, &second);
        grid.addBody(other, 1, &second);  // a single point has no segment
        grid.finish();
        std::vector<std::tuple<float, float, const Snake*>> seen;
        grid.anyIn(middle, [&](const SegmentEntry& s) {
            seen.emplace_back(s.a.x, s.b.x, s.owner);
            return seen.size() == 5;  // stops at the first true
        });
        const std::vector<std::tuple<float, float, const Snake*>> expected = {
            {10, 100, &first}, {100, 160, &first}, {140, 20, &first}, {20, 30, &first}, {50, 60, &second}};
        EXPECT_EQ(seen, expected);
        EXPECT_TRUE(grid.anyIn(middle + 1, [&](const SegmentEntry& s) { return s.a.x == 160 && s.b.x == 140; }));
        EXPECT_EQ(grid.size(), 6u);
    }
    grid.clear();
    grid.finish();
    EXPECT_FALSE(grid.anyIn(middle, [](const SegmentEntry&) { return true; }));
}
