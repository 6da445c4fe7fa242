#include "modules/perks/PerkTable.h"

#include <iterator>

namespace {

constexpr PerkGroup kGroups[] = {
    {u'f', u"Kampftalente", u"fightingskills", u"Fighting skills", 1},
    {u'h', u"Jagdtalente", u"huntingskills", u"Hunting skills", 2},
    {u'm', u"Magietalente", u"magicskills", u"Magic skills", 3},
    {u's', u"Schmiedetalente", u"smithskills", u"Smith skills", 4},
    {u't', u"Diebestalente", u"thiefskills", u"Thief skills", 5},
    {u'a', u"Alchemietalente", u"alchemyskills", u"Alchemy skills", 6},
    {u'o', u"Sonstige Talente", u"otherskills", u"Other skills", 7},
};

// Section key, group, German text, language-file key, English default.
constexpr PerkEntry kPerks[] = {
    {u"perk acrobatics", u'o', u"Akrobatik", u"Acrobatics", u"Acrobatics"},
    {u"perk alchemy", u'a', u"Alchemy", u"Alchemy", u"Alchemy"},
    {u"perk ancient knowledge", u'm', u"Altes Wissen", u"AncientKnowledge", u"Ancient knowledge"},
    {u"perk animal form", u'm', u"Tiergestalt", u"AnimalForm", u"Animal form"},
    {u"perk archer", u'h', u"Bogenschütze", u"Archer", u"Archer"},
    {u"perk bargain", u't', u"Feilschen", u"Bargain", u"Bargain"},
    {u"perk big game hunter", u'h', u"Großwildjäger", u"BigGameHunter", u"Big game hunter"},
    {u"perk brew mana potions", u'a', u"Manatränke brauen", u"BrewManaPotions", u"Brew mana potions"},
    {u"perk brew Potions with permanent effects", u'a', u"Tränke mit permanenter Wirkung brauen", u"BrewPotionsWithPermanentEffects", u"Brew potions with permament effects"},
    {u"perk brew transformation potions", u'a', u"Verwandlungstränke brauen", u"BrewTransformationPotions", u"Brew transformations potions"},
    {u"perk crossbowman", u'f', u"Armbrustschütze", u"Crossbowman", u"Crossbowman"},
    {u"perk dark mage", u'm', u"Schwarzmagier", u"DarkMage", u"Dark mage"},
    {u"perk Difficult pickpocketing", u't', u"Schwerer Taschendiebstahl", u"DifficultPickpocketing", u"Difficult pickpocketing"},
    {u"perk druid", u'm', u"Druide", u"Druid", u"Druid"},
    {u"perk endurance of the wolf", u'o', u"Ausdauer des Wolfes", u"EnduranceOfTheWolf", u"Endurance of the wolf"},
    {u"perk fight with two blades", u'f', u"Kampf mit zwei Klingen", u"FightWithTwoBlades", u"Fight with two blades"},
    {u"perk forge ore weapons", u's', u"Erzwaffen schmieden", u"ForgeOreWeapons", u"Forge ore weapons"},
    {u"perk Forge weapons from pure ore", u's', u"Waffen aus reinem Erz schmieden", u"ForgeWeaponsFromPureOre", u"Forge weapons from pure ore"},
    {u"perk frostwave", u'm', u"Eiswelle", u"Frostwave", u"Frostwave"},
    {u"perk game hunter", u'h', u"Wiljäger", u"GameHunter", u"Game hunter"},
    {u"perk heavy crossbow", u'f', u"Schwere Armbrust", u"HeavyCrossbow", u"Heavy crossbow"},
    {u"perk hone blade", u's', u"Klinge schärfen", u"HoneBlade", u"Hone blade"},
    {u"perk hunting skill", u'h', u"Jagdgeschick", u"HuntingSkill", u"Hunting skill"},
    {u"perk ice explosion", u'm', u"Eisexplosion", u"IceExplosion", u"Ice explosion"},
    {u"perk ice lance", u'm', u"Eislanze", u"IceLance", u"Ice lance"},
    {u"perk improve armor", u's', u"Rüstungen verbessern", u"ImproveArmor", u"Improve armor"},
    {u"perk knock down", u't', u"Niederschlagen", u"KnockDown", u"Knock down"},
    {u"perk large weapons", u'f', u"Große Waffen", u"LargeWeapons", u"Large weapons"},
    {u"perk large weapons ii", u'f', u"Große Waffen II", u"LargeWeaponsII", u"Large weapons II"},
    {u"perk large weapons iii", u'f', u"Große Waffen III", u"LargeWeaponsIII", u"Large weapons III"},
    {u"perk learn quickly", u'm', u"Schnelles Lernen", u"LearnQuickly", u"Learn quickly"},
    {u"perk magic staves", u'm', u"Magische Stäbe", u"MagicStaves", u"Magic staves"},
    {u"perk make excuses", u't', u"Rausreden", u"MakeExcuses", u"Make excuses"},
    {u"perk make fire arrows", u'a', u"Brandpfeile herstellen", u"MakeFireArrows", u"Make fire arrows"},
    {u"perk make poison", u'a', u"Gift herstellen", u"MakePoison", u"Make poison"},
    {u"perk Make poison arrows", u'a', u"Giftpfeile herstellen", u"MakePoisonArrows", u"Make poison arrorws"},
    {u"perk mana regeneration", u'm', u"Mana Regeneration", u"ManaRegeneration", u"Mana regeneration"},
    {u"perk master archer Bow", u'h', u"Meisterschütze", u"MasterArcherBow", u"Master archer bow"},
    {u"perk master archer crossbow", u'f', u"Meisterschütze", u"MasterArcherCrossbow", u"master archer crossbow"},
    {u"perk master of two blades", u'f', u"Meister der zwei Klingen", u"MasterOfTwoBlades", u"Master of two blades"},
    {u"perk master swordsman", u'f', u"Schwertmeister", u"MasterSwordsman", u"Master swordsman"},
    {u"perk murder", u't', u"Meucheln", u"Murder", u"Murder"},
    {u"perk orc hunter", u'h', u"Orkjäger", u"OrcHunter", u"Orchhunter"},
    {u"perk orc slayer", u'f', u"Orktöter", u"OrcSlayer", u"Orcslayer"},
    {u"perk paladin", u'f', u"Paladin", u"Paladin", u"Paladin"},
    {u"perk pick difficult locks", u't', u"Schwere Schlösser knacken", u"PickDifficultLocks", u"Pick difficult locks"},
    {u"perk pick impossible locks", u't', u"Unmögliche Schlösser knacken", u"PickImpossibleLocks", u"Pick impossible locks"},
    {u"perk poison blade", u'a', u"Klinge vergiften", u"PoisonBlade", u"Poison blade"},
    {u"perk poison resistance", u'o', u"Giftresistenz", u"PoisonResistance", u"Poison resistence"},
    {u"perk prospector", u's', u"Schürfer", u"Prospector", u"Prospector"},
    {u"perk regeneration", u'f', u"Regeneration", u"Regeneration", u"Regeneration"},
    {u"perk resistance to cold", u'o', u"Resistenz gegen Kälte", u"ResistanceToCold", u"Resistence to cold"},
    {u"perk resistance to heat", u'o', u"Resistenz gegen Hitze", u"ResistanceToHeat", u"Resistence to heat"},
    {u"perk shield parry", u'f', u"Schildparade", u"ShieldParry", u"Sheild parry"},
    {u"perk silent hunter", u'h', u"Lautloser Jäger", u"SilentHunter", u"Silent hunter"},
    {u"perk simple pickpocketing", u't', u"Einfacher Taschendiebstahl", u"SimplePickpocketing", u"Simple pickpocketing"},
    {u"perk sleep", u'm', u"Schlaf", u"Sleep", u"Sleep"},
    {u"perk smithing", u's', u"Schmiedekunst", u"Smithing", u"Smithing"},
    {u"perk staff fighting", u'm', u"Stabkampf", u"StaffFighting", u"Staff fighting"},
    {u"perk staff fighting ii", u'm', u"Stabkampf II", u"StaffFightingII", u"Staff fighting II"},
    {u"perk staff fighting iii", u'm', u"Stabkampf III", u"StaffFightingIII", u"Staff fighting III"},
    {u"perk strength", u'f', u"Stärke", u"Strength", u"Strength"},
    {u"perk strong shield parry", u'f', u"Starke Schildparade", u"StrongShieldParry", u"Strong shield parry"},
    {u"perk strong swordfighter", u'f', u"Starker Schwertkämpfer", u"StrongSwordfighter", u"Strong sword figher"},
    {u"perk summon animals", u'm', u"Tiere rufen", u"SummonAnimals", u"Summon animals"},
    {u"perk summon goblin", u'm', u"Goblin beschwören", u"SummonGoblin", u"Summon goblin"},
    {u"perk take animal skins", u'h', u"Tierfelle nehmen", u"TakeAnimalSkins", u"Take animal skins"},
    {u"perk take reptile hides", u'h', u"Reptilienhäute nehmen", u"TakeReptileHides", u"Take reptile hides"},
    {u"perk tame animal", u'm', u"Tier zähmen", u"TameAnimal", u"Tame animam"},
    {u"perk teeth, claws, and horns", u'h', u"Zähne, Krallen und Hörner", u"TeethClawsAndHorns", u"Teeth, claws and horns"},
    {u"perk telekinesis", u'm', u"Telikinese", u"Telekinesis", u"Telekinesis"},
    {u"perk thieving", u't', u"Diebeskunst", u"Thieving", u"Thieving"},
    {u"perk impossible pickpocketing", u't', u"Unmöglicher Taschendiebstahl", u"ImpossiblePickpocketing", u"Impossible pickpocketing"},
    {u"perk water mage", u'm', u"Wassermagier", u"WaterMage", u"Watermage"},
    {u"perk weakness resistance", u'o', u"Schwächeresistenz", u"WeaknessResistance", u"Weakness resistence"},
    {u"perk Amnesia", u'm', u"Vergessen", u"Amnesia", u"Amnesia"},
    {u"perk Banish evil", u'm', u"Böses vernichten", u"Banish evil", u"Banish evil"},
    {u"perk Bless weapon", u'm', u"Waffensegen", u"Bless weapon", u"bless weapon"},
    {u"perk Bloodlust", u'm', u"Blutrausch  ", u"Bloodlust", u"Bloodlust"},
    {u"perk Cure poison", u'm', u"Vergiftung heilen", u"Cure poison", u"Cure poison"},
    {u"perk Fire rain", u'm', u"Feuerregen", u"Fire rain", u"Fire rain"},
    {u"perk Fireball", u'm', u"Feuerball", u"Fireball", u"Fireball"},
    {u"perk Flame wave", u'm', u"Flammenwelle", u"Flame wave", u"Flame wave"},
    {u"perk Fog", u'm', u"Nebel", u"Fog", u"Fog"},
    {u"perk Heal other", u'm', u"Fernheilung", u"Heal other", u"Heal other"},
    {u"perk Healing", u'm', u"Heilung", u"Healing", u"Healing"},
    {u"perk Light", u'm', u"Licht", u"Light", u"Light"},
    {u"perk Lightning bolt", u'm', u"Blitzschlag", u"Lightning bolt", u"Lightning bold"},
    {u"perk Mana", u'm', u"Mana", u"Mana", u"Mana"},
    {u"perk Meteor", u'm', u"Meteor", u"Meteor", u"Meteor"},
    {u"perk Night into day", u'm', u"Nacht zu Tag", u"Night into day", u"Night into day"},
    {u"perk Poison", u'm', u"Vergiften", u"Poison", u"Poison"},
    {u"perk Soul travel", u'm', u"Seelenwanderung", u"Soul travel", u"Soul travel"},
    {u"perk Summon demon", u'm', u"Dämon beschwören", u"Summon demon", u"Summon demon"},
    {u"perk Summon flaming sword", u'm', u"Flammenschwert", u"Summon flaming sword", u"Summon flaming sword"},
    {u"perk Summon lightning", u'm', u"Blitz beschwören", u"Summon lightning", u"Summon lightning"},
    {u"perk Summon skeleton", u'm', u"Skelett beschwören", u"Summon skeleton", u"Summon skeleton"},
    {u"perk Terror", u'm', u"Schrecken", u"Terror", u"Terror"},
    {u"perk Weaken", u'm', u"Schwächen ", u"Weaken", u"wWaken"},
    {u"perk Word of dominance", u'm', u"Wort der Herrschaft", u"Word of dominance", u"Word of dominance"},
    {u"perk Endurance", u'o', u"Ausdauer ", u"Endurance", u"Endurance"},
    {u"perk Health", u'o', u"Lebenskraft", u"Health", u"Health"},
    {u"perk Summon golem", u'm', u"Golem beschwören", u"Summon golem", u"Summon golem"},
    {u"perk Hailstorm", u'm', u"Hagelsturm", u"Hailstorm", u"Hailstorm"},
    {u"perk Time bubble", u'm', u"Zeitblase", u"Time bubble", u"Time bubble"},
};

static_assert(std::size(kPerks) == 105);

} // namespace

std::span<const PerkGroup> PerkTable::Groups() { return kGroups; }

std::span<const PerkEntry> PerkTable::Perks() { return kPerks; }

const PerkEntry* PerkTable::Find(QStringView section)
{
    for (const PerkEntry& perk : kPerks) {
        if (perk.sectionKey == section)
            return &perk;
    }
    return nullptr;
}
