#include "TestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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
    Snake& other = *world->snakes[2];  // alive throughout: an early refresh would list it
    place(bot, {0.0f, 0.0f}, 0.0f, 80.0f);
    place(other, {-2000.0f, 0.0f}, 0.0f, 300.0f);
    world->startPlayer(L"Kai", sf::Color::Magenta);
    world->killSnake(bot);
    world->killSnake(player);
    world->rankingTimer = 0.0f;
    run(*world, 60);
    EXPECT_TRUE(world->ranking.empty());
    run(*world, 1);
    EXPECT_EQ(world->ranking, std::vector<const Snake*>{&other});
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
    run(*world, 29);
    EXPECT_FALSE(bot.alive);
    run(*world, 1);
    EXPECT_TRUE(bot.alive);
    // The refresh of the 183rd step: the three live snakes, heaviest first.
    player.mass = 9000.0f;
    run(*world, 2);
    EXPECT_EQ(world->ranking, (std::vector<const Snake*>{&player, &other, &bot}));
}

TEST(Camera, ClosesFifteenPercentOfTheWayToTheLivePlayersHeadAndFivePercentToItsMassesZoomEachStep) {
    auto world = quietWorld(41);
    Snake& player = world->player();
    // The zoom aims at 2.6 / (mass / 1200 + 1), at least 0.55: 2.4375 at mass 80, 1.3 at 1200, 0.55 at 9000.
    for (const auto& [mass, zoom] : {std::make_pair(80.0f, 2.401875f), {1200.0f, 2.345f}, {9000.0f, 2.3075f}}) {
        quieten(*world);
        place(player, {1000.0f, -500.0f}, 0.0f, mass);
        world->cameraCenter = {0.0f, 0.0f};
        world->zoom = 2.4f;
        world->step(0.0f, PlayerInput{});  // the head moves 6.3 to the right first
        EXPECT_NEAR(world->zoom, zoom, 1e-6f) << mass;
        EXPECT_NEAR(world->cameraCenter.x, 150.945f, 1e-3f);
        EXPECT_EQ(world->cameraCenter.y, -75.0f);
    }
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
    EXPECT_EQ(world->freePellets.back(), 897);
    EXPECT_NEAR(player.radiusSquared, 405.0827f, 1e-3f);  // (619 / 150 + 16)^2
    const std::vector<Pellet*> left = {&world->pellets[899], &world->pellets[896], &world->pellets[895]};
    EXPECT_EQ(world->pelletGrid[cellOf(head.x, head.y).index()], left);
    EXPECT_EQ(left[0]->position, head + offsets[0]);
    EXPECT_NEAR(distance(left[1]->position, head), std::sqrt(720.0f) - 8.5f, 1e-3f);
    EXPECT_NEAR(left[2]->position.y, head.y - 79.9f + 8.5f, 1e-3f);
}

TEST(Pellets, BoostingSnakesDropOneOfTheirColourAtTheTailOneStepInEight) {
    auto world = quietWorld(31);
    // A heap far away keeps 300 in play: the top-up draws nothing, only the boosts do.
    for (int i = 0; i < MinLivePellets; ++i) world->addPellet({0.0f, 3500.0f}, 4.0f, sf::Color::White, false);
    for (std::size_t i = 0; i < MaxSnakes; ++i) {
        place(*world->snakes[i], {-2000.0f, -2000.0f + 100.0f * i}, 0.0f, 300.0f, 15, 8.0f);
        world->snakes[i]->boosting = true;
        world->snakes[i]->thinkTimer = 1.0e9f;  // no decision ends the boost
    }
    PlayerInput boost;
    boost.leftButton = true;
    int drops = 0;
    for (int step = 0; step < 60; ++step) {
        const std::vector<int> free = world->freePellets;
        world->step(0.0f, boost);
        for (std::size_t k = world->freePellets.size(); k < free.size(); ++k, ++drops) {
            const Pellet& p = world->pellets[free[k]];
            const Snake& s = *world->snakes[static_cast<std::size_t>(p.position.y + 2000.0f) / 100];
            EXPECT_EQ(std::make_tuple(p.position, p.color, p.size),
                      std::make_tuple(s.points[s.pointCount - 1], s.color, 3.75f));
        }
    }
    // 2400 draws of one in eight: 300, give or take 16. Speed closes 2.1 % on 11.8 a step: 11.8 - 5.5 x 0.979^60.
    EXPECT_NEAR(drops, 300, 50);
    EXPECT_NEAR(world->player().speed, 10.2607f, 1e-3f);
}

TEST(Pellets, OneRandomPelletInTwentyFiveIsBigTheOthersSizedFourToNineInChannelsOf55To254) {
    auto world = quietWorld(17);
    int big = 0;
    std::set<float> sizes;
    std::set<int> channels;
    for (int round = 0; round < 20; ++round) {
        quieten(*world);
        for (int i = 0; i < PelletPoolSize; ++i) world->spawnRandomPellet();
        for (const Pellet& p : world->pellets) {
            big += p.isBig;
            sizes.insert(p.isBig && p.color == sf::Color::White ? -p.size : p.size);  // the big white ones negative
            if (!p.isBig) channels.insert({p.color.r, p.color.g, p.color.b});
        }
    }
    EXPECT_NEAR(big, 720, 80);  // of 18000: 720, give or take 26
    EXPECT_EQ(sizes, (std::set<float>{-15.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f, 9.0f}));
    EXPECT_EQ(std::make_tuple(channels.size(), *channels.begin(), *channels.rbegin()), std::make_tuple(200u, 55, 254));
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
    // A spark moves by its velocity, then by 0.95 of the last each update: 10 x (1 - 0.95^50) / 0.05 in 50.
    std::vector<Particle>& sparks = world->particles;
    sparks[0] = {{0.0f, 0.0f}, {10.0f, -4.0f}, sf::Color::White, 1.0f};
    for (int i = 0; i < 50; ++i) updateParticles(sparks);
    EXPECT_NEAR(sparks[0].position.x, 184.611f, 1e-3f);
    EXPECT_NEAR(sparks[0].position.y, -73.844f, 1e-3f);
    EXPECT_EQ(sparks.size(), 6u);  // 1 - 50 x 0.02 stays a hair above 0 in single precision
    updateParticles(sparks);
    EXPECT_TRUE(sparks.empty());
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
    // A body looping through its own head lives; a head on it dies: a bot's on a bot's or the player's, the player's
    // on a bot's.
    const sf::Vector2f loop[] = {{1000, 0}, {1040, 0}, {1040, 40}, {1000, 40}, {1000, -40}};
    const std::pair<Snake*, Snake*> meetings[] = {{&bot, world->snakes[2].get()}, {&player, &bot}, {&bot, &player}};
    for (const auto& [body, head] : meetings) {
        quieten(*world);
        place(*body, loop[0], 0.0f, 80.0f, 5);
        std::copy(loop, loop + 5, body->points);
        place(*head, {1020.0f, 40.0f}, 0.0f, 80.0f, 1);
        collide(*world);
        EXPECT_EQ(std::make_pair(body->alive, head->alive), std::make_pair(true, false)) << head->id;
    }
}

TEST(Collisions, ContactAtEightyFivePercentOfTheOtherRadiusPlusOwn) {
    EXPECT_EQ(distanceToSegmentSquared({8.0f, 4.0f}, {-5.0f, 0.0f}, {5.0f, 0.0f}), 25.0f);  // clamped to an end
    EXPECT_EQ(distanceToSegmentSquared({3.0f, 4.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}), 25.0f);
    auto world = quietWorld(24);
    Snake& body = *world->snakes[1];
    Snake& head = *world->snakes[2];
    const float reach = 30.586666f;  // 0.85 x 16.5333 + 16.5333 at mass 80
    // Beside a straight body, then diagonal to a folded one, whose zero-length segments leave the distance to its
    // point (30.55 and 30.62); folded, the two heads meet both ways.
    const std::tuple<sf::Vector2f, sf::Vector2f, float, bool> cases[] = {
        {{200.0f, 0.0f}, {130.0f, reach - 0.001f}, 10.0f, false},
        {{200.0f, 0.0f}, {130.0f, reach + 0.001f}, 10.0f, true},
        {{500.0f, 500.0f}, {521.6f, 521.6f}, 0.0f, false},
        {{500.0f, 500.0f}, {521.65f, 521.65f}, 0.0f, true}};
    for (const auto& [bodyHead, at, spacing, survives] : cases) {
        quieten(*world);
        place(body, bodyHead, 0.0f, 80.0f, 15, spacing);
        place(head, at, 0.0f, 80.0f);
        collide(*world);
        EXPECT_EQ(std::make_pair(head.alive, body.alive), std::make_pair(survives, survives || spacing > 0.0f)) << at.x;
    }
}
