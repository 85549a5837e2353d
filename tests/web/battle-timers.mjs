// The battle window's timers as the program sets them: each one's interval in seconds and the
// ticks of the phase it times. The browser scenario and the web measurements check a battle's
// trace against them.
export const battleTimers = {
  tmrHeroAttack: { interval: 0.05, ticks: 60 },
  tmrCure: { interval: 0.05, ticks: 60 },
  tmrEnemyAttack: { interval: 0.05, ticks: 60 },
  tmrPause: { interval: 1, ticks: 4 },
  tmrEnd: { interval: 1, ticks: 6 },
};
